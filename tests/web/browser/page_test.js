// page_test.js PAGE HELP_TEXT [keys|buttons|opening]: the page in headless
// Chromium, opened from disk as a person opens the file.
//   opening  the title is "Orvane", the help text is the viewer's byte for
//            byte, the canvas has the keyboard focus and frames advance
//   keys     typed on the keyboard, every key does to the frozen picture
//            what it does in the viewer, and no key scrolls the page
//   buttons  the same through the buttons under the canvas
//   no-webgl in a browser without WebGL, one sentence says so in place of
//            the canvas
// Every part ends with no console error, uncaught exception or failed request.
'use strict';
const fs = require('fs');
const assert = require('assert');
const chromium = require('./chromium');

const [pageFile, helpFile, part] = process.argv.slice(2);

async function opening(page) {
  assert.strictEqual(await page.title(), 'Orvane', 'the page title');
  const help = await page.$eval('pre#help', (pre) => pre.textContent);
  assert.strictEqual(help, fs.readFileSync(helpFile, 'utf8'), 'the help text');
  assert.ok(await page.evaluate(() => document.activeElement === document.querySelector('canvas#viewer')),
            'the canvas has the keyboard focus when the page opens');
  const first = await chromium.frames(page);
  await chromium.waitFrames(page, 10);
  await chromium.waitMoving(page, 'with spin and motion on');
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
  await chromium.waitMoving(page, 'before Home and End');

  // Home and End freeze the picture, and each alone sets its part going again.
  await press('Home');
  await press('End');
  let frozen = await chromium.stable(page);
  await chromium.waitFrames(page, 20);
  assert.ok((await chromium.shot(page)).equals(frozen), 'Home and End freeze the picture');
  for (const key of ['Home', 'End']) {
    await press(key);
    await chromium.waitMoving(page, `after ${key} resumed it`);
    await press(key);
    frozen = await chromium.stable(page);
  }
  console.log(`ok: Home and End (${how}) freeze the picture and set it going again`);

  for (const { key, undo } of changingKeys) {
    await press(key);
    let picture = await chromium.changed(page, frozen, key);
    for (const back of undo) {
      await press(back);
      picture = await chromium.changed(page, picture, back);
    }
    assert.ok(picture.equals(frozen), `${undo.join(' ')} after ${key} brings back the picture`);
    console.log(`ok: ${key} (${how}) changes the picture, ${undo.join(' ')} brings it back`);
  }
  if (how === 'keys') {
    for (const key of idleKeys) {
      await page.keyboard.press(key);
      await chromium.waitFrames(page, 10);
      assert.ok((await chromium.stable(page)).equals(frozen), `${key} leaves the picture`);
    }
    console.log(`ok: ${idleKeys.join(' and ')} leave the picture as it is`);
    const scrolled = await page.evaluate(() => [window.scrollX, window.scrollY]);
    assert.deepStrictEqual(scrolled, [0, 0], 'no key scrolled the page');
    console.log('ok: no key scrolled the page');
  }
}

async function noWebGL(page) {
  await chromium.waitInPage(page, 'the notice that WebGL 2 is missing',
                            () => !document.querySelector('#no-webgl').hidden);
  assert.ok(await page.$eval('canvas#viewer', (canvas) => canvas.hidden), 'the canvas is hidden');
  const notice = await page.$eval('#no-webgl', (element) => element.textContent.trim());
  assert.match(notice, /^[A-Z][^.]*WebGL 2[^.]*\.$/, 'one sentence that names WebGL 2');
  console.log(`ok: without WebGL the page says: ${notice}`);
}

async function main() {
  const browser = await chromium.launch(part === 'no-webgl' ? ['--disable-3d-apis'] : []);
  try {
    const page = await chromium.open(browser, pageFile);
    if (part === 'no-webgl') {
      await noWebGL(page);
    } else {
      await chromium.waitReady(page);
      if (part === 'opening') await opening(page);
      else await keys(page, part);
    }
    assert.deepStrictEqual(page.problems, [], 'console errors, exceptions, failed requests');
  } finally {
    await browser.close();
  }
}

main().then(() => console.log(`${part}: passed`), (error) => {
  console.error(`FAIL: ${error.message}`);
  process.exit(1);
});
