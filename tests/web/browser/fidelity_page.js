// fidelity_page.js PAGE SPIN_FRAME MOTION_FRAME DIR: the page with its spin
// stopped at exactly frame SPIN_FRAME and its source motion at MOTION_FRAME,
// field 1 at the start grid and iso value, in the four looks the desktop
// viewer is compared in, saved as DIR/page-<look>.png. The looks are reached
// by the same keys, in the same order, as on the desktop.
'use strict';
const fs = require('fs');
const path = require('path');
const chromium = require('./chromium');

const [pageFile, spinText, motionText, dir] = process.argv.slice(2);
const looks = [
  { key: null, name: 'filled-lit' },
  { key: 'w', name: 'wire-lit' },
  { key: 'l', name: 'wire-unlit' },
  { key: 'w', name: 'filled-unlit' },
];

// The page must not have passed the frame before it is told to stop there;
// if loading took that long, it is opened afresh.
async function openFrozen(browser) {
  for (let attempt = 1; ; attempt++) {
    const page = await chromium.open(browser, pageFile);
    await chromium.waitReady(page);
    try {
      await chromium.freezeAtFrame(page, Number(spinText), Number(motionText));
      return page;
    } catch (error) {
      if (attempt === 5) throw error;
      console.log(`attempt ${attempt}: ${error.message}; opening the page again`);
      await page.close();
    }
  }
}

async function main() {
  const browser = await chromium.launch();
  try {
    const page = await openFrozen(browser);
    let picture = await chromium.stable(page);
    for (const { key, name } of looks) {
      if (key) {
        await page.keyboard.press(key);
        picture = await chromium.changed(page, picture, key);
      }
      fs.writeFileSync(path.join(dir, `page-${name}.png`), picture);
    }
    if (page.problems.length) throw new Error(page.problems.join('; '));
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(`FAIL: ${error.message}`);
  process.exit(1);
});
