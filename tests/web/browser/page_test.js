// page_test.js PAGE HELP_TEXT chromium|firefox PART: the page in headless
// Chromium or Firefox, opened from disk as a person opens the file.
//   opening  the title is "Orvane", the help text is the viewer's byte for
//            byte, the canvas has the keyboard focus and frames advance
//   keys     typed on the keyboard, every key does to the frozen picture
//            what it does in the viewer, and no key scrolls the page
//   buttons  the same through the buttons under the canvas
//   no-webgl in a browser without WebGL, one sentence stands where the
//            canvas was, with the help text beside it and nothing else
//   context-lost the WebGL context taken away and given back: no frame
//            meanwhile, then the very same picture
// Every part ends with no console error, uncaught exception or failed request.
'use strict';
const fs = require('fs');
const assert = require('assert');

const [pageFile, helpFile, browserName, part] = process.argv.slice(2);
const driver = require(browserName === 'firefox' ? './firefox' : './chromium');

async function opening(page) {
  assert.strictEqual(await page.title(), 'Orvane', 'the page title');
  const help = await page.$eval('pre#help', (pre) => pre.textContent);
  assert.strictEqual(help, fs.readFileSync(helpFile, 'utf8'), 'the help text');
  assert.ok(await page.evaluate(() => document.activeElement === document.querySelector('canvas#viewer')),
            'the canvas has the keyboard focus when the page opens');
  const first = await driver.frames(page);
  await driver.waitFrames(page, 10);
  await driver.waitMoving(page, 'with spin and motion on');
  console.log(`ok: title, help text, focus; frames advance from ${first}`);
}

// press(key) sends one key the way the part tests: typed, or a button.
function keyPresser(page, how) {
  if (how === 'keys') return (key) => page.keyboard.press(key);
  return async (key) => {
    const button = await page.$(`button[data-key="${key}"]`);
    assert.ok(button, `a button for ${key}`);
    await button.click();
  };
}

// Each key against the frozen picture: it changes the picture, and its undo
// brings back the very same pixels, as in the viewer (the grid and the iso
// value return exactly; "s" three times comes back to the first field).
const changingKeys = [
  { key: 'w', undo: ['w'] },
  { key: 'l', undo: ['l'] },
  { key: 's', undo: ['s', 's'] },
  { key: '+', undo: ['-'] },
  { key: '-', undo: ['+'] },
  { key: 'PageUp', undo: ['PageDown'] },
  { key: 'PageDown', undo: ['PageUp'] },
];
// Capitals do nothing: letters act in lower case only.
const idleKeys = ['S', 'W'];

async function keys(page, how) {
  const press = keyPresser(page, how);
  await driver.waitMoving(page, 'before Home and End');

  // Home and End freeze the picture, and each alone sets its part going again.
  await press('Home');
  await press('End');
  let frozen = await driver.stable(page);
  await driver.waitFrames(page, 20);
  assert.ok((await driver.shot(page)).equals(frozen), 'Home and End freeze the picture');
  for (const key of ['Home', 'End']) {
    await press(key);
    await driver.waitMoving(page, `after ${key} resumed it`);
    await press(key);
    frozen = await driver.stable(page);
  }
  console.log(`ok: Home and End (${how}) freeze the picture and set it going again`);

  for (const { key, undo } of changingKeys) {
    await press(key);
    let picture = await driver.changed(page, frozen, key);
    for (const back of undo) {
      await press(back);
      picture = await driver.changed(page, picture, back);
    }
    assert.ok(picture.equals(frozen), `${undo.join(' ')} after ${key} brings back the picture`);
    console.log(`ok: ${key} (${how}) changes the picture, ${undo.join(' ')} brings it back`);
  }
  if (how === 'keys') {
    for (const key of idleKeys) {
      await page.keyboard.press(key);
      await driver.waitFrames(page, 10);
      assert.ok((await driver.stable(page)).equals(frozen), `${key} leaves the picture`);
    }
    console.log(`ok: ${idleKeys.join(' and ')} leave the picture as it is`);
    const scrolled = await page.evaluate(() => [window.scrollX, window.scrollY]);
    assert.deepStrictEqual(scrolled, [0, 0], 'no key scrolled the page');
    console.log('ok: no key scrolled the page');
  }
}

// The boxes the page lays out: for each selector, one entry per element,
// null for an element without a box (not displayed, or inside one that is
// not), else its box and its first line's height.
function boxes(page, selectors) {
  return page.evaluate((list) => Object.fromEntries(list.map((selector) => [selector,
    Array.from(document.querySelectorAll(selector), (element) => {
      if (element.getClientRects().length === 0) return null;
      const { left, top, right, bottom } = element.getBoundingClientRect();
      const range = document.createRange();
      range.selectNodeContents(element);
      const lines = new Set(Array.from(range.getClientRects(), (line) => Math.round(line.top)));
      const marginTop = parseFloat(getComputedStyle(element).marginTop);
      return { left, top, right, bottom, lines: lines.size, marginTop };
    })])), selectors);
}

async function noWebGL(page) {
  await driver.waitInPage(page, 'the notice that WebGL 2 is missing',
                          () => !document.querySelector('#no-webgl').hidden);
  const help = fs.readFileSync(helpFile, 'utf8');
  await driver.waitInPage(page, 'the help text', (text) =>
    document.querySelector('pre#help').textContent === text, help);
  const notice = await page.$eval('#no-webgl', (element) => element.textContent.trim());
  assert.match(notice, /^[A-Z][^.]*WebGL 2[^.]*\.$/, 'one sentence that names WebGL 2');
  const laidOut = await boxes(page, ['canvas#viewer', '#keys button', '#status', '#status-frames',
                                     '#status-fps', '#no-webgl', 'pre#help', 'main > section']);
  for (const selector of ['canvas#viewer', '#keys button', '#status', '#status-frames',
                          '#status-fps']) {
    assert.ok(laidOut[selector].length > 0 && laidOut[selector].every((box) => box === null),
              `${selector} is not laid out`);
  }
  const [sentence] = laidOut['#no-webgl'];
  const [section] = laidOut['main > section'];
  assert.ok(sentence && sentence.right > sentence.left, 'the sentence is laid out');
  // The canvas was the first thing in its section, at its top left corner.
  assert.ok(Math.abs(sentence.left - section.left) < 1 &&
            Math.abs(sentence.top - sentence.marginTop - section.top) < 1,
            `the sentence stands at the section's corner, where the canvas was: ${JSON.stringify(
              { sentence, section })}`);
  assert.ok(laidOut['pre#help'][0] && laidOut['pre#help'][0].bottom > laidOut['pre#help'][0].top,
            'the help text is laid out');
  console.log(`ok: without WebGL the page says, where the canvas was: ${notice}`);
  console.log('ok: no canvas, key buttons or status line; the help text stays');
}

// Takes the context away as a reset of the graphics processor would, and
// returns the frame count at that moment.
function loseContext(page) {
  return page.evaluate(() => {
    const gl = document.querySelector('canvas#viewer').getContext('webgl2');
    window.contextLoss = gl.getExtension('WEBGL_lose_context');
    window.contextLoss.loseContext();
    return window.orvane.frames();
  });
}

// Resolves after `count` of the browser's animation frames.
function animationFrames(page, count) {
  return page.evaluate((n) => new Promise((resolve) => {
    const step = () => (--n > 0 ? requestAnimationFrame(step) : resolve());
    requestAnimationFrame(step);
  }), count);
}

// The context is lost until it is given back: the line says so (one line),
// and the frame counter stands however many animation frames pass.
async function whileLost(page, lostAt) {
  await driver.waitInPage(page, 'the line that the context is lost',
                          () => !document.querySelector('#context-lost').hidden);
  await animationFrames(page, 30);
  assert.strictEqual(await driver.frames(page), lostAt, 'no frame counts while the context is lost');
  const [line] = (await boxes(page, ['#context-lost']))['#context-lost'];
  assert.ok(line && line.lines === 1, `the loss is told in one line: ${JSON.stringify(line)}`);
  await page.evaluate(() => window.contextLoss.restoreContext());
  await driver.waitInPage(page, 'the viewer to draw again on the restored context', (n) =>
    document.querySelector('#context-lost').hidden && window.orvane.frames() > n, lostAt);
}

// The settings as the status gives them, without the frame counters.
async function settings(page) {
  const status = await page.evaluate(() => window.orvane.status());
  delete status.frames;
  delete status.fps;
  return status;
}

async function contextLost(page) {
  await driver.waitMoving(page, 'before the context is lost');
  await whileLost(page, await loseContext(page));
  await driver.waitMoving(page, 'after the context came back');
  console.log('ok: lost while moving, nothing is drawn or counted; restored, it moves again');

  // Away from the first settings, so that a restore that started afresh
  // would show; then frozen, the wire frame (triangle edges) and filled.
  for (const key of ['s', '+', 'PageUp', 'Home', 'End']) await page.keyboard.press(key);
  const filled = await driver.stable(page);
  await page.keyboard.press('w');
  const wire = await driver.changed(page, filled, 'w');
  const before = await settings(page);
  await whileLost(page, await loseContext(page));
  assert.ok((await driver.stable(page)).equals(wire), 'the very same wire frame after the restore');
  assert.deepStrictEqual(await settings(page), before, 'the settings after the restore');
  await page.keyboard.press('w');
  assert.ok((await driver.changed(page, wire, 'w')).equals(filled),
            'the very same filled picture after the restore');
  console.log(`ok: frozen at ${JSON.stringify(before)}, the same pixels after a loss and restore`);
}

// Each browser's own way of having no WebGL at all.
const withoutWebGL = { chromium: ['--disable-3d-apis'], firefox: { 'webgl.disabled': true } };

async function main() {
  const browser = await driver.launch(part === 'no-webgl' ? withoutWebGL[browserName] : undefined);
  try {
    const page = await driver.open(browser, pageFile);
    if (part === 'no-webgl') {
      await noWebGL(page);
    } else {
      await driver.waitReady(page);
      if (part === 'opening') await opening(page);
      else if (part === 'context-lost') await contextLost(page);
      else await keys(page, part);
    }
    assert.deepStrictEqual(page.problems, [], 'console errors, exceptions, failed requests');
  } finally {
    await browser.close();
  }
}

main().then(() => console.log(`${part} in ${browserName}: passed`), (error) => {
  console.error(`FAIL: ${error.message}`);
  process.exit(1);
});
