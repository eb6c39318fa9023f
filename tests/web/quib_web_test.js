// The browser's game in a real browser (Chromium, headless): its canvases hold, bit for bit, the
// pictures quib-shot makes of the same level and keys; keys, the pointer, files of one's own and
// the address drive it as they should; Escape ends it and a bad level is named; the editor
// draws on the plan and hands its saves over as downloads.
// usage: node quib_web_test.js SITE_DIR NATIVE_BIN_DIR WORK_DIR  (QUIB_WEB_ONLY=REGEX: some)
'use strict';

const assert = require('node:assert/strict');
const childProcess = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const {PNG} = require('pngjs');
const puppeteer = require('puppeteer-core');

const [siteDir, binDir, workDir] = process.argv.slice(2);
const quibShot = path.join(binDir, 'quib-shot');
const quibLevel = path.join(binDir, 'quib-level');
const shippedLevel = path.join(binDir, 'game', 'lab', 'firstwin.lab', 'level0.dat');
// The start screen's button, in client pixels at 1x (ui/layouts.hpp: Command1).
const startButton = {x: 104 + 48, y: 168 + 16};
const largestSite = 2 * 1024 * 1024;
// The plan's geometry in the game window (a view surface's extent N, its corner at 16, 16).
const viewExtent = 521;
const viewCorner = 16;
const startScreenWithin = 1000;  // ms from loading the page

// --- The page's server: the site's files as any static host serves them ---

const types = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
               '.wasm': 'application/wasm'};

function serve(root) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const file = path.join(root, name === '/' ? 'index.html' : name);
    if (!file.startsWith(root) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream'});
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// --- What the desktop's programs make of the same game ---

let shots = 0;
function shot(args) {
  const out = path.join(workDir, `shot${++shots}.png`);
  childProcess.execFileSync(quibShot, [...args, '--out', out], {stdio: ['ignore', 'ignore', 'pipe']});
  return PNG.sync.read(fs.readFileSync(out));
}

function gameShot(keys, {level, pictures} = {}) {
  const args = [];
  if (level) args.push('--level', level);
  if (pictures) args.push('--pictures', pictures);
  if (keys.length > 0) args.push('--keys', keys.join(','));
  return shot(args);
}

// The one line quib-shot says about a level it cannot play.
function desktopComplaint(level) {
  const run = childProcess.spawnSync(quibShot, ['--level', level, '--out',
                                                path.join(workDir, 'never.png')]);
  assert.notEqual(run.status, 0, 'quib-shot plays the bad level');
  return run.stderr.toString().trim().replace(/^quib-shot: /, '');
}

function writeFile(name, content) {
  const file = path.join(workDir, name);
  fs.mkdirSync(path.dirname(file), {recursive: true});
  fs.writeFileSync(file, content);
  return file;
}

// --- Levels at random, the same on every run ---

function seeded(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Mostly empty points and walls, every other code now and then; a column a line.
function randomLevel(seed, n) {
  const random = seeded(seed);
  const codes = [0, 0, 0, 0, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8];
  const lines = [`${n}`];
  for (let column = 0; column <= n; ++column) {
    const values = [];
    for (let k = 0; k < 2 * (n + 1); ++k) {
      values.push(codes[Math.floor(random() * codes.length)]);
    }
    lines.push(values.join(','));
  }
  return `${lines.join('\n')}\n`;
}

function randomKeys(seed, count) {
  const random = seeded(seed);
  const keys = [38, 38, 40, 37, 39, 100, 102, 104, 98, 32];
  return Array.from({length: count}, () => keys[Math.floor(random() * keys.length)]);
}

// The puppeteer key that sends each code the way a player would: arrows, the keypad with Num
// Lock on, and the letters that stand in for it.
const keyNames = {38: 'ArrowUp', 40: 'ArrowDown', 37: 'ArrowLeft', 39: 'ArrowRight',
                  100: 'Numpad4', 102: 'KeyE', 104: 'KeyR', 98: 'Numpad2', 32: 'Space'};

// --- The page ---

let browser = null;
let origin = '';

async function openPage(hash = '') {
  const page = await browser.newPage();
  await page.setViewport({width: 1100, height: 800});
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.goto(`${origin}/${hash}`);
  return page;
}

function state(page) {
  return page.evaluate(() => document.body.dataset.quib);
}

async function waitForState(page, wanted, timeout = 10000) {
  await page.waitForFunction((s) => document.body.dataset.quib === s, {timeout}, wanted)
    .catch(async () => {
      const message = await page.evaluate(() => document.getElementById('message').textContent);
      throw new Error(`the page is ${await state(page)}, not ${wanted} (${message}; ${page.errors})`);
    });
  await page.evaluate(() => quibPage.settled());
}

// The keypad's keys with Num Lock on: what they type is their digit. Puppeteer's own keyboard
// types them as with Num Lock off (Numpad4 as ArrowLeft) and cannot set Num Lock, so these go
// to Chromium as a keyboard would send them.
const keypadDigits = {Numpad2: [98, '2'], Numpad4: [100, '4'], Numpad6: [102, '6'],
                      Numpad8: [104, '8']};

async function press(page, names) {
  for (const name of names) {
    const digit = keypadDigits[name];
    if (!digit) {
      await page.keyboard.press(name);
      continue;
    }
    const [code, text] = digit;
    const client = await page.target().createCDPSession();
    const event = {code: name, key: text, windowsVirtualKeyCode: code, location: 3};
    await client.send('Input.dispatchKeyEvent', {type: 'keyDown', text, ...event});
    await client.send('Input.dispatchKeyEvent', {type: 'keyUp', ...event});
    await client.detach();
  }
  await page.evaluate(() => quibPage.settled());
}

// A keypad key with Num Lock off: it types the cursor key beside its digit.
async function pressNumLockOff(page, names) {
  for (const name of names) {
    await page.keyboard.press(name);
  }
  await page.evaluate(() => quibPage.settled());
}

async function clickStart(page) {
  const box = await (await page.$('#form2')).boundingBox();
  const scale = box.width / await page.$eval('#form2', (canvas) => canvas.width);
  await page.mouse.click(box.x + (startButton.x + 0.5) * scale, box.y + (startButton.y + 0.5) * scale);
  await waitForState(page, 'playing');
}

async function canvasPixels(page, id) {
  const {width, height, data} = await page.$eval(`#${id}`, (canvas) => {
    const image = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    return {width: canvas.width, height: canvas.height, data: Array.from(image.data)};
  });
  return {width, height, data: Uint8Array.from(data)};
}

// Every pixel the same, alpha aside (the PNG is RGB; the canvas is opaque throughout).
async function assertCanvasIs(page, id, png, what) {
  const canvas = await canvasPixels(page, id);
  assert.deepEqual([canvas.width, canvas.height], [png.width, png.height], `${what}: size`);
  let differing = 0;
  let first = null;
  for (let i = 0; i < canvas.data.length; i += 4) {
    for (let c = 0; c < 4; ++c) {
      const wanted = c === 3 ? 255 : png.data[i + c];
      if (canvas.data[i + c] !== wanted) {
        if (first === null) {
          const pixel = i / 4;
          first = `(${pixel % png.width}, ${Math.floor(pixel / png.width)}) channel ${c} is ` +
                  `${canvas.data[i + c]}, not ${wanted}`;
        }
        ++differing;
        break;
      }
    }
  }
  assert.equal(differing, 0, `${what}: ${differing} pixels differ from quib-shot's, first ${first}`);
}

// --- The editor ---

function levelValues(text) {
  return text.split(/[\s,]+/).filter(Boolean).map(Number);
}

// Where the code of point (c, r) in layer k lies among a level file's values.
function valueIndex(n, c, r, k) {
  return 1 + ((c * (n + 1) + r) * 2 + k);
}

// A point inside the level, off its edge, whose layer-0 panel is empty.
function emptyPoint(values) {
  const n = values[0];
  for (let c = 1; c < n; ++c) {
    for (let r = 1; r < n; ++r) {
      if (values[valueIndex(n, c, r, 0)] === 0) {
        return {c, r};
      }
    }
  }
  throw new Error('the level has no empty point');
}

// Clicks a point's layer-0 panel on the plan, a little left of the point itself, with the
// main button or the secondary one: px(c) = 16 + N + 5 + s (c + 1), py(r) = 16 + N/2 +
// s (ro - r), s = N / (2 ro), in client pixels, scaled as the canvas shows.
async function clickPlan(page, ro, {c, r}, button = 'left') {
  const s = viewExtent / (2 * ro);
  const x = viewCorner + viewExtent + 5 + s * (c + 1) - 3;
  const y = viewCorner + viewExtent / 2 + s * (ro - r);
  const box = await (await page.$('#form1')).boundingBox();
  const scale = box.width / await page.$eval('#form1', (canvas) => canvas.width);
  await page.mouse.click(box.x + x * scale, box.y + y * scale, {button});
  await page.evaluate(() => quibPage.settled());
}

async function pressWithControl(page, names, shift = false) {
  await page.keyboard.down('Control');
  if (shift) await page.keyboard.down('Shift');
  for (const name of names) {
    await page.keyboard.press(name);
  }
  if (shift) await page.keyboard.up('Shift');
  await page.keyboard.up('Control');
  await page.evaluate(() => quibPage.settled());
}

function caption(page) {
  return page.$eval('#form1-window .caption', (e) => e.textContent);
}

// Downloads go to a folder of their own, under the names the page gives them, for as long as
// the session that says so stays open.
async function downloadsInto(folder) {
  fs.mkdirSync(folder, {recursive: true});
  const client = await browser.target().createCDPSession();
  await client.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: folder});
  return client;
}

async function downloaded(file, timeout = 5000) {
  const until = Date.now() + timeout;
  while (!fs.existsSync(file) || fs.existsSync(`${file}.crdownload`)) {
    if (Date.now() > until) {
      throw new Error(`nothing downloaded as ${file}: ${fs.readdirSync(path.dirname(file))}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return fs.readFileSync(file, 'utf8');
}

// The keydowns the page kept from the browser, from now on.
function watchPrevented(page) {
  return page.evaluate(() => {
    window.prevented = [];
    window.addEventListener('keydown', (e) => e.ctrlKey && e.code.startsWith('Key') &&
      window.prevented.push(`${e.code}:${e.defaultPrevented}`));
  });
}

// --- The tests ---

const tests = [];
function test(name, run) {
  tests.push({name, run});
}

test('the site weighs at most 2 MB', () => {
  const bytes = fs.readdirSync(siteDir).reduce((sum, name) =>
    sum + fs.statSync(path.join(siteDir, name)).size, 0);
  console.log(`  site: ${(bytes / 1024).toFixed(0)} KB in ${fs.readdirSync(siteDir).join(', ')}`);
  assert.ok(bytes <= largestSite, `${bytes} bytes`);
});

test('the start screen shows within a second, as quib-shot --start-screen pictures it',
     async () => {
  const page = await openPage();
  await waitForState(page, 'start');
  const shownAt = await page.evaluate(() => quibPage.startShownAt);
  console.log(`  start screen shown ${shownAt.toFixed(0)} ms after the page's start`);
  assert.ok(shownAt < startScreenWithin, `${shownAt} ms`);
  assert.equal(await page.title(), 'Form2');
  assert.equal(await page.$eval('#form2-window .caption', (e) => e.textContent), 'Form2');
  await assertCanvasIs(page, 'form2', shot(['--start-screen']), 'the start screen');
  await page.close();
});

test('the pointer resting on Start brings its tooltip up, and leaving takes it away',
     async () => {
  const page = await openPage();
  await waitForState(page, 'start');
  const plain = await canvasPixels(page, 'form2');
  const box = await (await page.$('#form2')).boundingBox();
  const scale = box.width / plain.width;
  await page.mouse.move(box.x + startButton.x * scale, box.y + startButton.y * scale);
  await new Promise((resolve) => setTimeout(resolve, 800));
  await page.evaluate(() => quibPage.settled());
  const tipped = await canvasPixels(page, 'form2');
  assert.notDeepEqual(tipped.data, plain.data, 'no tooltip after resting on the button');
  await page.mouse.move(box.x + 2, box.y + 2);
  await page.evaluate(() => quibPage.settled());
  assert.deepEqual((await canvasPixels(page, 'form2')).data, plain.data, 'the tooltip stays');
  await page.close();
});

test('Start, then arrows, Numpad4 with Num Lock, Q, E, R, F: every frame as quib-shot\'s',
     async () => {
  const page = await openPage();
  await waitForState(page, 'start');
  await clickStart(page);
  assert.equal(await page.title(), 'Find Quib, please');
  assert.equal(await page.$eval('#form1-window .caption', (e) => e.textContent),
               'Find Quib, please');
  assert.ok(await page.$eval('#form2-window', (e) => e.hidden), 'the start screen stays');
  await assertCanvasIs(page, 'form1', gameShot([]), 'before the first key');
  const steps = [
    [['ArrowUp', 'ArrowUp'], [38, 38]],
    [['Numpad4'], [100]],
    [['KeyQ', 'KeyE', 'KeyE'], [100, 102, 102]],
    [['KeyR', 'KeyR', 'ArrowLeft'], [104, 104, 37]],
    [['KeyF', 'Numpad2', 'ArrowDown', 'ArrowRight'], [98, 98, 40, 39]],
  ];
  const pressed = [];
  for (const [names, codes] of steps) {
    await press(page, names);
    pressed.push(...codes);
    await assertCanvasIs(page, 'form1', gameShot(pressed), `after ${names.join(' ')}`);
  }
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the keypad with Num Lock off steps like the arrows', async () => {
  const page = await openPage();
  await waitForState(page, 'start');
  await clickStart(page);
  await pressNumLockOff(page, ['Numpad8', 'Numpad8', 'Numpad4']);
  await assertCanvasIs(page, 'form1', gameShot([38, 38, 37]), 'keypad 8, 8, 4');
  await page.close();
});

test('the game\'s keys are not the browser\'s: arrows and Space do not scroll', async () => {
  const page = await openPage();
  await waitForState(page, 'start');
  await clickStart(page);
  await page.evaluate(() => {
    window.prevented = [];
    window.addEventListener('keydown', (e) => window.prevented.push(e.defaultPrevented));
  });
  await press(page, ['ArrowDown', 'Space', 'KeyQ', 'Numpad6']);
  assert.deepEqual(await page.evaluate(() => window.prevented), [true, true, true, true]);
  await page.close();
});

for (const [seed, n, count] of [[1, 6, 12], [2, 17, 20], [3, 40, 25]]) {
  test(`a random level of extent ${n} by #level=, played with ${count} keys`, async () => {
    const text = randomLevel(seed, n);
    const level = writeFile(`random${seed}.dat`, text);
    const keys = randomKeys(seed, count);
    const page = await openPage(`#level=${encodeURIComponent(text)}`);
    await waitForState(page, 'start');
    await clickStart(page);
    await press(page, keys.map((code) => keyNames[code]));
    await assertCanvasIs(page, 'form1', gameShot(keys, {level}), `level ${seed}`);
    await page.close();
  });
}

test('#level= with &keys= starts the game at once and replays the keys', async () => {
  const text = randomLevel(4, 11);
  const level = writeFile('random4.dat', text);
  const keys = [38, 38, 100, 104, 39];
  const page = await openPage(`#level=${encodeURIComponent(text)}&keys=${keys.join(',')}`);
  await waitForState(page, 'playing');
  await assertCanvasIs(page, 'form1', gameShot(keys, {level}), 'the replay');
  await page.close();
});

test('Escape plays the chime and ends the game: its last frame stays, Start again plays anew',
     async () => {
  const page = await openPage();
  await waitForState(page, 'start');
  await clickStart(page);
  await press(page, ['ArrowUp', 'KeyQ']);
  await page.keyboard.press('Escape');
  await waitForState(page, 'ended', 5000);
  const record = writeFile('record.txt', '38\n100\n27\n');
  await assertCanvasIs(page, 'form1', shot(['--keys-file', record, '--with-escape']),
                       'the last frame');
  assert.match(await page.$eval('#message', (e) => e.textContent), /ended/);
  assert.ok(!await page.$eval('#again', (e) => e.hidden), 'no way to start again');
  await page.click('#again');
  await waitForState(page, 'start');
  assert.ok(await page.$eval('#form1-window', (e) => e.hidden), 'the old game window stays');
  await page.close();
});

test('closing the game window ends the game without the chime', async () => {
  const page = await openPage();
  await waitForState(page, 'start');
  await clickStart(page);
  await page.click('#form1-window .close');
  await waitForState(page, 'ended', 2000);
  await page.close();
});

test('a bad level by #level= is named as the desktop names it; the page stays usable',
     async () => {
  const text = '3\n0,0,1\n0,x,0\n';
  const expected = desktopComplaint(writeFile('bad.dat', text))
    .replace(path.join(workDir, 'bad.dat'), '/address/level.dat');
  const page = await openPage(`#level=${encodeURIComponent(text)}`);
  await waitForState(page, 'error');
  assert.equal(await page.$eval('#message', (e) => e.textContent), expected);
  await page.click('#again');
  await waitForState(page, 'start');
  await page.close();
});

test('bad keys by &keys= are named', async () => {
  const page = await openPage('#keys=38,27');
  await waitForState(page, 'error');
  assert.match(await page.$eval('#message', (e) => e.textContent), /Escape \(27\)/);
  await page.close();
});

test('a drawing and a picture of one\'s own, picked: played as quib-shot plays them',
     async () => {
  const level = writeFile('mine.dat', randomLevel(5, 9));
  const drawing = path.join(workDir, 'mine.txt');
  childProcess.execFileSync(quibLevel, ['show', level, '--out', drawing]);
  // A wall of one's own: the shipped door.
  const pictures = path.join(workDir, 'pictures');
  fs.mkdirSync(pictures, {recursive: true});
  for (const name of ['p3.bmp', 'wall.bmp', 'door.bmp', 'lift.bmp', 'powon.bmp']) {
    fs.copyFileSync(path.join(binDir, 'game', 'x', name), path.join(pictures, name));
  }
  fs.copyFileSync(path.join(pictures, 'door.bmp'), path.join(pictures, 'wall.bmp'));
  const page = await openPage();
  await waitForState(page, 'start');
  const input = await page.$('#open');
  await input.uploadFile(drawing, path.join(pictures, 'wall.bmp'));
  await waitForState(page, 'start');
  await clickStart(page);
  const keys = randomKeys(5, 10);
  await press(page, keys.map((code) => keyNames[code]));
  await assertCanvasIs(page, 'form1', gameShot(keys, {level, pictures}), 'one\'s own');
  // The link carries the level, as a level file.
  await page.click('#link');
  const address = await page.$eval('#address', (e) => e.value);
  const linked = decodeURIComponent(address.split('#level=')[1]);
  const back = writeFile('linked.dat', linked);
  const show = (file) => childProcess.execFileSync(quibLevel, ['show', file]).toString();
  assert.equal(show(back), show(level), 'the link\'s level');
  await page.close();
});

test('a picture that is none of the game\'s is refused by name', async () => {
  const page = await openPage();
  await waitForState(page, 'start');
  const input = await page.$('#open');
  await input.uploadFile(writeFile('face.bmp', 'BM not really'));
  await waitForState(page, 'error');
  assert.match(await page.$eval('#message', (e) => e.textContent),
               /cannot load picture \/own\/face\.bmp: the game's pictures are p3\.bmp/);
  await page.close();
});

test('the shipped level\'s link plays it', async () => {
  const page = await openPage();
  await waitForState(page, 'start');
  await page.click('#link');
  const address = await page.$eval('#address', (e) => e.value);
  assert.equal(decodeURIComponent(address.split('#level=')[1]),
               fs.readFileSync(shippedLevel, 'utf8'));
  await page.close();
});

test('#edit: 1 and a click place a wall, Ctrl+S downloads the level; its link and its game ' +
     'are the edited level', async () => {
  const shipped = fs.readFileSync(shippedLevel, 'utf8');
  const values = levelValues(shipped);
  const ro = values[0];
  const point = emptyPoint(values);
  const folder = path.join(workDir, 'downloads-wall');
  const downloads = await downloadsInto(folder);
  const page = await openPage('#edit');
  await waitForState(page, 'editing');
  assert.equal(await caption(page), 'Find Quib, please - level.dat');
  assert.equal(await page.title(), 'Find Quib, please - level.dat');
  assert.ok(await page.$eval('#form2-window', (e) => e.hidden), 'a start screen shows');
  assert.ok(await page.$eval('.edit-help', (e) => getComputedStyle(e).display !== 'none'),
            'the help does not say the editor\'s keys');
  await press(page, ['Digit1']);
  await clickPlan(page, ro, point);
  assert.equal(await caption(page), 'Find Quib, please - level.dat*', 'after the click');
  const leaving = () => page.evaluate(() => {
    const event = new Event('beforeunload', {cancelable: true});
    window.dispatchEvent(event);
    return event.defaultPrevented;
  });
  assert.ok(await leaving(), 'leaving the page with unsaved changes asks nothing');
  await watchPrevented(page);
  await pressWithControl(page, ['KeyS']);
  const saved = await downloaded(path.join(folder, 'level.dat'));
  assert.deepEqual(await page.evaluate(() => window.prevented), ['KeyS:true'],
                   'Ctrl+S is left to the browser');
  assert.equal(await caption(page), 'Find Quib, please - level.dat', 'after Ctrl+S');
  assert.ok(!await leaving(), 'leaving the page asks with nothing unsaved');
  const want = [...values];
  want[valueIndex(ro, point.c, point.r, 0)] = 1;
  assert.deepEqual(levelValues(saved), want,
                   `the saved level is not the shipped one with a wall at ${point.c}, ${point.r}`);
  await page.click('#link');
  const address = await page.$eval('#address', (e) => e.value);
  assert.equal(decodeURIComponent(address.split('#level=')[1]), saved, 'the link\'s level');
  await page.focus('#desk');  // the keys typed in the bar are the bar's
  await page.keyboard.press('Escape');
  await waitForState(page, 'ended');
  await page.click('#again');
  await waitForState(page, 'start');
  await clickStart(page);
  await assertCanvasIs(page, 'form1', gameShot([], {level: writeFile('edited.dat', saved)}),
                       'the edited level, started again');
  assert.deepEqual(page.errors, []);
  await page.close();
  await downloads.detach();
});

test('#level=...&edit: a right click clears, Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, ' +
     'none of them the browser\'s', async () => {
  const text = randomLevel(6, 12);
  const values = levelValues(text);
  const ro = values[0];
  const empty = emptyPoint(values);
  // A point whose layer-0 panel holds a code, to be cleared.
  let full = null;
  for (let c = 1; c < ro && !full; ++c) {
    for (let r = 1; r < ro && !full; ++r) {
      if (values[valueIndex(ro, c, r, 0)] !== 0) full = {c, r};
    }
  }
  const folder = path.join(workDir, 'downloads-undo');
  const downloads = await downloadsInto(folder);
  const page = await openPage(`#level=${encodeURIComponent(text)}&edit`);
  await waitForState(page, 'editing');
  await watchPrevented(page);
  await press(page, ['Digit2']);
  await clickPlan(page, ro, empty);
  await clickPlan(page, ro, full, 'right');
  await pressWithControl(page, ['KeyZ', 'KeyZ', 'KeyY']);
  await pressWithControl(page, ['KeyZ'], true);
  await pressWithControl(page, ['KeyS']);
  const saved = levelValues(await downloaded(path.join(folder, 'level.dat')));
  assert.deepEqual(await page.evaluate(() => window.prevented),
                   ['KeyZ:true', 'KeyZ:true', 'KeyY:true', 'KeyZ:true', 'KeyS:true']);
  const want = [...values];
  want[valueIndex(ro, empty.c, empty.r, 0)] = 2;
  want[valueIndex(ro, full.c, full.r, 0)] = 0;
  assert.deepEqual(saved, want, 'the door placed and the panel cleared, both undone and redone');
  assert.deepEqual(page.errors, []);
  await page.close();
  await downloads.detach();
});

test('Edit edits one\'s own level under its name; the page keeps unsaved changes unless ' +
     'the player lets them go', async () => {
  const text = randomLevel(7, 8);
  const values = levelValues(text);
  const page = await openPage();
  await waitForState(page, 'start');
  await (await page.$('#open')).uploadFile(writeFile('mine.dat', text));
  await waitForState(page, 'start');
  await page.click('#edit');
  await waitForState(page, 'editing');
  assert.equal(await caption(page), 'Find Quib, please - mine.dat');
  await press(page, ['Digit1']);
  await clickPlan(page, values[0], emptyPoint(values));
  assert.equal(await caption(page), 'Find Quib, please - mine.dat*');
  const answers = [];
  page.on('dialog', (dialog) => {
    answers.push(dialog.type());
    return answers.length === 1 ? dialog.dismiss() : dialog.accept();
  });
  await page.evaluate(() => { location.hash = 'keys=38'; });
  for (const until = Date.now() + 5000; answers.length === 0 && Date.now() < until;) {
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  await page.evaluate(() => quibPage.settled());
  assert.equal(await state(page), 'editing', 'the editor ended, its changes lost');
  await page.evaluate(() => { location.hash = 'keys=40'; });
  await waitForState(page, 'playing');
  assert.deepEqual(answers, ['confirm', 'confirm']);
  assert.ok(await page.$eval('.play-help', (e) => getComputedStyle(e).display !== 'none'),
            'the help still says the editor\'s keys');
  await page.close();
});

async function main() {
  fs.mkdirSync(workDir, {recursive: true});
  const server = await serve(path.resolve(siteDir));
  origin = `http://127.0.0.1:${server.address().port}`;
  browser = await puppeteer.launch({
    executablePath: process.env.QUIB_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    // Chromium's own connections go nowhere: the machine may have no network at all.
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  let passed = 0;
  let failed = 0;
  // QUIB_WEB_ONLY, a regular expression, runs only the tests whose names match it.
  const only = new RegExp(process.env.QUIB_WEB_ONLY || '');
  for (const {name, run} of tests.filter((t) => only.test(t.name))) {
    try {
      await run();
      ++passed;
      console.log(`ok    ${name}`);
    } catch (error) {
      ++failed;
      console.log(`FAIL  ${name}\n      ${error.message.split('\n').join('\n      ')}`);
    }
  }
  await browser.close();
  server.close();
  console.log(`web: ${passed} passed, ${failed} failed`);
  process.exitCode = failed === 0 ? 0 : 1;
}

main().catch((error) => {
  console.log(`web: 0 passed, 1 failed (${error.message})`);
  process.exitCode = 1;
});
