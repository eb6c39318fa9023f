// The page around the game: its windows as canvases, the page's events queued for the game's
// run, Web Audio for its sound, the levels and pictures a player brings (picked, dropped, or in
// the address), and the editor's saved levels handed back as downloads. The game itself runs in
// quib.wasm; browser_desktop.cpp and page_exports.cpp call in here.
'use strict';

// The event kinds, numbered as browser_desktop.cpp's kPageKinds reads them; abandon ends the
// run from the page, whatever it was doing.
const EVENT = {
  timeout: 0, close: 1, exposed: 2, pointerMoved: 3, pointerLeft: 4, pointerDown: 5,
  pointerUp: 6, keyDown: 7, keyUp: 8, padDown: 9, padUp: 10, abandon: 11,
};
const KEY_RETURN = 13;
const KEY_ESCAPE = 27;
const LAST_KEY = 254;
// The editor's Ctrl keys (Ctrl+S, Ctrl+Y, Ctrl+Z), the browser's own shortcuts otherwise.
const EDITOR_CONTROL_KEYS = [83, 89, 90];
// The name the editor's file takes when the level is the shipped one or the address's.
const EDITED_NAME = 'level.dat';
// Where the game's files lie in its memory file system (see page_exports.cpp), and where the
// files a player brings go.
const GAME_BIN = '/game/bin';
const SHIPPED_LEVEL = '/game/lab/firstwin.lab/level0.dat';
const OWN = '/own';
const OWN_PICTURES = '/own/x';
const ADDRESS_LEVEL = '/address/level.dat';
// Where page_exports.cpp puts the file the editor draws on.
const EDITED = '/edit/';

const quibPage = {
  windows: new Map(),  // canvas id: {section, canvas, context, caption}
  queue: [],           // events the game has not taken yet
  wake: null,          // ends the game's wait for an event, while it waits
  settlers: [],        // settled()'s promises, waiting for the game to wait
  running: null,       // the program's run, while it runs
  mode: 'play',        // what runs: play (the program) or edit (the editor); play once it ends
  stopSound: null,     // ends the sound early, while it plays
  audio: null,
  sources: {level: '', pictures: ''},  // empty: the shipped ones
  startShownAt: null,  // when the start screen first showed, in ms since the page's start
  // The game folder is made once the start screen shows (drawing its pictures takes a while);
  // until then the game is given no event but timeouts, so nothing reaches a missing file.
  folder: 'none',      // none, making, made or failed

  // The page's state for scripts and tests: loading, start, playing, editing, ended or error.
  setState(state) {
    document.body.dataset.quib = state;
    if (state === 'start' && this.startShownAt === null) {
      this.startShownAt = performance.now();
    }
    document.getElementById('again').hidden = state !== 'ended' && state !== 'error';
    document.getElementById('edit').hidden = state === 'editing';
  },

  // The help says the keys of the run: the game's or the editor's.
  setMode(mode) {
    this.mode = mode;
    document.body.dataset.mode = mode;
  },

  // The editor runs, and its caption says the level has changes not saved yet.
  unsavedEdits() {
    return Boolean(this.running) && this.mode === 'edit' &&
           this.windows.get('form1').title.endsWith('*');
  },

  say(text) {
    const message = document.getElementById('message');
    message.textContent = text;
    message.hidden = !text;
    this.fit();
  },

  // The platform's error report: the game cannot go on, or a file brought is refused.
  showError(line) {
    this.say(line);
    this.setState('error');
  },

  // --- The desktop's windows (browser_desktop.cpp) ---

  openWindow(id, caption, width, height) {
    const window = this.windows.get(id);
    window.caption.textContent = caption;
    window.title = caption;
    window.canvas.width = width;
    window.canvas.height = height;
    this.fit();
  },

  // The editor's caption follows the file's name and whether it has unsaved changes.
  setCaption(id, caption) {
    const window = this.windows.get(id);
    window.caption.textContent = caption;
    window.title = caption;
    if (!window.section.hidden) {
      document.title = caption;
    }
  },

  showWindow(id, shown) {
    const window = this.windows.get(id);
    window.section.hidden = !shown;
    if (shown) {
      if (this.folder === 'none') {
        this.folder = 'making';
        requestAnimationFrame(() => setTimeout(() => this.makeFolder(), 0));
      }
      document.title = window.title;
      document.getElementById('loading').hidden = true;
      this.setState(id === 'form2' ? 'start' : this.mode === 'edit' ? 'editing' : 'playing');
      this.fit();
    }
  },

  present(id, width, height, rgba) {
    const {canvas, context} = this.windows.get(id);
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      this.fit();
    }
    context.putImageData(new ImageData(new Uint8ClampedArray(rgba), width, height), 0, 0);
  },

  // Each canvas is its window's client area at 1x, shown as large as the largest whole factor
  // that fits the room the page leaves it, pixels kept sharp.
  fit() {
    const desk = document.getElementById('desk');
    const frame = 40;  // a window's title bar, border and padding
    const roomWidth = desk.clientWidth - 16 - 8;
    const roomHeight = desk.clientHeight - 16 - frame;
    for (const {canvas} of this.windows.values()) {
      const factor = Math.max(1, Math.floor(Math.min(roomWidth / canvas.width,
                                                     roomHeight / canvas.height)));
      canvas.style.width = `${canvas.width * factor}px`;
      canvas.style.height = `${canvas.height * factor}px`;
    }
  },

  // --- The desktop's events ---

  push(event) {
    this.queue.push(event);
    if (this.wake && this.folder !== 'making') {
      this.wake();
    }
  },

  // The event the game may take now, or a timeout.
  taken() {
    return (this.folder !== 'making' && this.queue.shift()) || {kind: EVENT.timeout};
  },

  // The next event, or a timeout after `timeoutMs` (negative: none), for the game's wait.
  nextEvent(timeoutMs) {
    if ((this.queue.length > 0 && this.folder !== 'making') || timeoutMs === 0) {
      return Promise.resolve(this.taken());
    }
    return new Promise((resolve) => {
      let timer = null;
      const wake = () => {
        clearTimeout(timer);
        this.wake = null;
        resolve(this.taken());
      };
      if (timeoutMs > 0) {
        timer = setTimeout(wake, timeoutMs);
      }
      this.wake = wake;
      this.settle();
    });
  },

  // Resolves once the game has taken every event given it and waits for the next, or no game
  // runs: what a script waits for before it looks at the canvases.
  settled() {
    return new Promise((resolve) => {
      this.settlers.push(resolve);
      this.settle();
    });
  },

  settle() {
    if (!this.running || (this.wake && this.queue.length === 0)) {
      const settlers = this.settlers;
      this.settlers = [];
      settlers.forEach((resolve) => resolve());
    }
  },

  // The key's virtual-key code, by the game's own table (dom_keys.cpp); 0 for none.
  keyCode(event) {
    const strings = [event.code || '', event.key || ''].map((text) => {
      const size = Module.lengthBytesUTF8(text) + 1;
      const at = Module._malloc(size);
      Module.stringToUTF8(text, at, size);
      return at;
    });
    const numLock = event.getModifierState && event.getModifierState('NumLock') ? 1 : 0;
    try {
      return Module._quib_key_code(strings[0], strings[1], numLock);
    } finally {
      strings.forEach((at) => Module._free(at));
    }
  },

  onKey(event, kind) {
    if (!this.running || event.target.closest('#bar')) {
      return;
    }
    const code = this.keyCode(event);
    if (code === 0) {
      return;
    }
    // The game's keys are the game's alone (arrows do not scroll, Space does not page), but
    // the browser keeps its shortcuts and function keys, bar the editor's own: Ctrl+S saves the
    // level, not the page. Command stands in for Ctrl on a Mac.
    const control = event.ctrlKey || event.metaKey;
    if (!control && !event.altKey && !/^F\d+$/.test(event.code)) {
      event.preventDefault();
    } else if (control && this.mode === 'edit' && EDITOR_CONTROL_KEYS.includes(code)) {
      event.preventDefault();
    }
    this.push({kind, code, control, shift: event.shiftKey});
  },

  // Client pixels at 1x, however large the canvas shows; the DOM's button number (0 the main
  // button, 2 the secondary), which browser_desktop.cpp reads for a press or a release.
  onPointer(event, kind, canvas) {
    if (!this.running) {
      return;
    }
    const box = canvas.getBoundingClientRect();
    const x = Math.floor((event.clientX - box.left) * canvas.width / box.width);
    const y = Math.floor((event.clientY - box.top) * canvas.height / box.height);
    this.push({kind, x, y, button: Math.max(0, event.button)});
  },

  // Game controllers in the standard mapping, read a frame at a time while any is there.
  pollPads() {
    if (this.padFrame) {
      return;
    }
    const held = new Map();
    const poll = () => {
      const pads = navigator.getGamepads ? [...navigator.getGamepads()].filter(Boolean) : [];
      for (const pad of pads.filter((p) => p.mapping === 'standard')) {
        const was = held.get(pad.index) || [];
        pad.buttons.forEach((button, index) => {
          if (button.pressed !== Boolean(was[index]) && this.running) {
            this.push({kind: button.pressed ? EVENT.padDown : EVENT.padUp, pad: index});
          }
        });
        held.set(pad.index, pad.buttons.map((button) => button.pressed));
      }
      this.padFrame = pads.length > 0 ? requestAnimationFrame(poll) : null;
    };
    this.padFrame = requestAnimationFrame(poll);
  },

  // --- The sound ---

  // A click or a key lets the page play sound; the first one makes the audio context.
  unlockAudio() {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!this.audio && Context) {
      this.audio = new Context();
    }
    if (this.audio && this.audio.state === 'suspended') {
      this.audio.resume();
    }
  },

  // Plays the samples (a channel after another) and resolves once they have been heard, a
  // second after their length at most, or at once when the window is closed meanwhile.
  async playSound(rate, channels, frames, samples) {
    let source = null;
    try {
      if (!this.audio) {
        throw new Error('the page was neither clicked nor typed in');
      }
      const buffer = this.audio.createBuffer(channels, frames, rate);
      for (let channel = 0; channel < channels; ++channel) {
        buffer.getChannelData(channel).set(samples.subarray(channel * frames,
                                                            (channel + 1) * frames));
      }
      source = this.audio.createBufferSource();
      source.buffer = buffer;
      source.connect(this.audio.destination);
    } catch (error) {
      console.warn(`quib: no sound: ${error.message}`);
      return;
    }
    const lengthMs = frames / rate * 1000;
    await new Promise((resolve) => {
      let timer = null;
      const done = () => {
        clearTimeout(timer);
        source.onended = null;
        this.stopSound = null;
        resolve();
      };
      timer = setTimeout(done, lengthMs + 1000);
      source.onended = done;
      this.stopSound = () => {
        try {
          source.stop();
        } catch (error) {
          // not started yet, or ended: nothing to stop
        }
        done();
      };
      source.start();
    });
  },

  // --- The program's runs ---

  // Starts the program afresh on the present sources, or with `edit` the editor on the present
  // level; `replay`, a list of key codes, starts the game at once (Enter on the start screen)
  // and presses them, as quib-shot --keys does. Nothing starts while the player keeps the
  // editor's unsaved changes.
  async run({replay = null, edit = false} = {}) {
    if (!await this.stop()) {
      return;
    }
    this.queue = [];
    for (const window of this.windows.values()) {
      window.section.hidden = true;
    }
    this.say('');
    this.setMode(edit ? 'edit' : 'play');
    this.setState('loading');
    let run;
    if (edit) {
      // The editor opens the game window at once: the pictures must be there first.
      this.makeFolder();
      const level = this.sources.level;
      const name = level.startsWith(OWN) || level.startsWith(EDITED) ?
        level.split('/').pop() : EDITED_NAME;
      run = Module.ccall('quib_edit', 'number', ['string', 'string', 'string'],
                         [level, this.sources.pictures, name], {async: true});
    } else {
      run = Module.ccall('quib_play', 'number', ['string', 'string'],
                         [this.sources.level, this.sources.pictures], {async: true});
    }
    this.running = run;
    if (replay) {
      [KEY_RETURN, ...replay].forEach((code) => this.push({kind: EVENT.keyDown, code}));
    }
    let status = 1;
    try {
      status = await run;
    } finally {
      this.running = null;
      this.setMode('play');
      this.settle();
    }
    if (this.folder === 'failed') {
      this.setState('error');
    } else if (status === 0) {
      this.setState('ended');
      this.say(edit ? 'The editor has ended. Start again plays the level, Edit edits it.' :
        'The game has ended. Start again, or open a level of your own.');
    } else {
      this.setState('error');
    }
  },

  // Ends the program's run, if one runs, as closing its window would; the editor's, which a
  // close would only make ask, is ended by the page, once the player lets its unsaved changes
  // go. False when the player keeps them, and the editor runs on.
  async stop() {
    const running = this.running;
    if (!running) {
      return true;
    }
    if (this.mode === 'edit') {
      if (this.unsavedEdits() &&
          !window.confirm('The level has changes not saved yet. Leave them unsaved?')) {
        return false;
      }
      this.push({kind: EVENT.abandon});
    } else {
      this.push({kind: EVENT.close});
    }
    if (this.stopSound) {
      this.stopSound();
    }
    await running.catch(() => {});
    return true;
  },

  // The editor saved its file: the player gets it as a download, and it is the present level
  // from now on (its link, and the game when started again).
  levelSaved(path) {
    const bytes = Module.FS.readFile(path);
    const url = URL.createObjectURL(new Blob([bytes], {type: 'text/plain'}));
    const link = document.createElement('a');
    link.href = url;
    link.download = path.split('/').pop();
    link.hidden = true;
    document.body.appendChild(link);
    link.click();
    link.remove();
    // The download reads the Blob after the click has returned.
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    this.sources.level = path;
  },

  // A C function of page_exports.cpp that answers an error, or an empty string.
  take(name, ...paths) {
    const at = Module.ccall(name, 'number', paths.map(() => 'string'), paths);
    const error = Module.UTF8ToString(at);
    Module._free(at);
    return error;
  },

  // Levels and pictures picked or dropped: the pictures by their names (p3.bmp, wall.bmp...),
  // anything else as a level or a drawing of one. What is good is taken, what is bad named.
  async takeFiles(files) {
    const editing = Boolean(this.running) && this.mode === 'edit';
    if (!await this.stop()) {
      return;
    }
    this.makeFolder();  // the shipped pictures stand beside one's own
    const errors = [];
    const levels = [...files].filter((file) => !/\.bmp$/i.test(file.name));
    const pictures = [...files].filter((file) => /\.bmp$/i.test(file.name));
    if (levels.length > 1) {
      errors.push(`one level at a time: ${levels.map((file) => file.name).join(', ')}`);
    }
    Module.FS.mkdirTree(OWN);
    const put = async (file) => {
      const path = `${OWN}/${file.name.replace(/\//g, '_')}`;
      Module.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
      return path;
    };
    for (const file of pictures) {
      const error = this.take('quib_take_picture', await put(file), OWN_PICTURES);
      if (error) {
        errors.push(error);
      } else {
        this.sources.pictures = OWN_PICTURES;
      }
    }
    if (levels.length === 1) {
      const path = await put(levels[0]);
      const error = this.take('quib_take_level', path);
      if (error) {
        errors.push(error);
      } else {
        this.sources.level = path;
      }
    }
    if (errors.length > 0) {
      this.showError(errors.join('\n'));
      return;
    }
    // A level opened in the editor is edited in its turn.
    await this.run({edit: editing});
  },

  // The address: #level= a level file's text, URL-encoded, and &keys= key codes to replay, or
  // &edit (or #edit alone) to open the editor on the level.
  async startFromAddress() {
    const fields = new Map();
    for (const part of location.hash.replace(/^#/, '').split('&').filter(Boolean)) {
      const at = part.indexOf('=');
      fields.set(at < 0 ? part : part.slice(0, at), at < 0 ? '' : part.slice(at + 1));
    }
    if (!await this.stop()) {
      return;
    }
    const edit = fields.has('edit');
    if (edit && fields.has('keys')) {
      this.showError('keys: the keys are replayed in the game, not in the editor (#edit)');
      return;
    }
    let replay = null;
    if (fields.has('keys')) {
      replay = keysOf(fields.get('keys'));
      if (typeof replay === 'string') {
        this.showError(replay);
        return;
      }
    }
    this.sources = {level: '', pictures: this.sources.pictures};
    if (fields.has('level')) {
      let text;
      try {
        text = decodeURIComponent(fields.get('level'));
      } catch (error) {
        this.showError('the address holds no level: #level= takes a level file\'s text, ' +
                       'URL-encoded');
        return;
      }
      Module.FS.mkdirTree(ADDRESS_LEVEL.replace(/\/[^/]*$/, ''));
      Module.FS.writeFile(ADDRESS_LEVEL, text);
      const error = this.take('quib_take_level', ADDRESS_LEVEL);
      if (error) {
        this.showError(error);
        return;
      }
      this.sources.level = ADDRESS_LEVEL;
    }
    await this.run({replay, edit});
  },

  // An address that plays the present level, shown, put in the address bar and copied.
  link() {
    this.makeFolder();
    const text = Module.FS.readFile(this.sources.level || SHIPPED_LEVEL, {encoding: 'utf8'});
    const address = `${location.href.split('#')[0]}#level=${encodeURIComponent(text)}`;
    history.replaceState(null, '', address);
    const field = document.getElementById('address');
    field.value = address;
    field.hidden = false;
    field.select();
    if (navigator.clipboard) {
      navigator.clipboard.writeText(address).catch(() => {});
    }
  },

  // Once the game's module has started: the game the address asks for. The game enters its
  // folder's bin/ at once; the files come once the start screen shows.
  ready() {
    Module.FS.mkdirTree(GAME_BIN);
    this.startFromAddress();
  },

  makeFolder() {
    if (this.folder === 'made' || this.folder === 'failed') {
      return;
    }
    const made = Module._quib_prepare() === 0;
    this.folder = made ? 'made' : 'failed';
    if (!made) {
      this.queue = [{kind: EVENT.close}];  // the run ends; the error is shown
    }
    if (this.wake && this.queue.length > 0) {
      this.wake();
    }
  },

  listen() {
    for (const id of ['form2', 'form1']) {
      const section = document.getElementById(`${id}-window`);
      const canvas = document.getElementById(id);
      this.windows.set(id, {section, canvas, context: canvas.getContext('2d'),
                            caption: section.querySelector('.caption'), title: ''});
      canvas.addEventListener('pointermove', (e) => this.onPointer(e, EVENT.pointerMoved, canvas));
      canvas.addEventListener('pointerleave', () => this.running &&
                                                    this.push({kind: EVENT.pointerLeft}));
      // The main and the secondary button; the secondary one opens no menu of the browser's.
      const gameButton = (e) => e.button === 0 || e.button === 2;
      canvas.addEventListener('pointerdown', (e) => {
        if (gameButton(e)) {
          document.getElementById('desk').focus();
          this.onPointer(e, EVENT.pointerDown, canvas);
        }
      });
      canvas.addEventListener('pointerup', (e) => gameButton(e) &&
                                                  this.onPointer(e, EVENT.pointerUp, canvas));
      canvas.addEventListener('contextmenu', (e) => e.preventDefault());
      section.querySelector('.close').addEventListener('click', () => {
        if (this.running) {
          this.push({kind: EVENT.close});
          if (this.stopSound) {
            this.stopSound();
          }
        }
      });
    }
    window.addEventListener('keydown', (e) => this.onKey(e, EVENT.keyDown));
    window.addEventListener('keyup', (e) => this.onKey(e, EVENT.keyUp));
    window.addEventListener('pointerdown', () => this.unlockAudio(), true);
    window.addEventListener('keydown', () => this.unlockAudio(), true);
    window.addEventListener('resize', () => this.fit());
    window.addEventListener('hashchange', () => this.startFromAddress());
    // Leaving the page would lose the editor's unsaved changes: the browser asks first.
    window.addEventListener('beforeunload', (e) => {
      if (this.unsavedEdits()) {
        e.preventDefault();
        e.returnValue = '';
      }
    });
    window.addEventListener('gamepadconnected', () => this.pollPads());

    const blurAfter = (action) => async (event) => {
      event.currentTarget.blur();
      await action();
      document.getElementById('desk').focus();
    };
    document.getElementById('open').addEventListener('change', blurAfter(async () => {
      const input = document.getElementById('open');
      const files = [...input.files];
      input.value = '';
      await this.takeFiles(files);
    }));
    document.getElementById('link').addEventListener('click', () => this.link());
    document.getElementById('again').addEventListener('click', blurAfter(() => this.run()));
    document.getElementById('edit').addEventListener('click',
                                                     blurAfter(() => this.run({edit: true})));
    document.addEventListener('dragover', (e) => {
      e.preventDefault();
      document.body.classList.add('dragging');
    });
    document.addEventListener('dragleave', () => document.body.classList.remove('dragging'));
    document.addEventListener('drop', (e) => {
      e.preventDefault();
      document.body.classList.remove('dragging');
      if (e.dataTransfer && e.dataTransfer.files.length > 0) {
        this.takeFiles(e.dataTransfer.files);
      }
    });
  },
};

// The key codes of &keys=, or why they are none: decimal virtual-key codes, comma separated;
// Escape would end the game before anything could be seen, as quib-shot refuses it too.
function keysOf(list) {
  const keys = [];
  for (const item of list.split(',').filter((text) => text !== '')) {
    const code = /^[0-9]{1,3}$/.test(item) ? Number(item) : 0;
    if (code < 1 || code > LAST_KEY) {
      return `keys: "${item}" is not a virtual-key code (1 to ${LAST_KEY})`;
    }
    if (code === KEY_ESCAPE) {
      return 'keys: Escape (27) ends the game and cannot be replayed';
    }
    keys.push(code);
  }
  return keys;
}

// The game's module (quib.js) reads this as it loads.
var Module = {
  print: (line) => console.log(line),
  printErr: (line) => console.warn(line),
  onRuntimeInitialized: () => quibPage.ready(),
  onAbort: (what) => quibPage.showError(`the game stopped: ${what}`),
};

quibPage.listen();
