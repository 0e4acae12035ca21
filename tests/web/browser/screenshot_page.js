// screenshot_page.js PAGE FILE [FRAME]: the whole page in headless Chromium,
// frozen at frame FRAME (default 60: the same moment every time), saved as a
// PNG for the README.
'use strict';
const fs = require('fs');
const chromium = require('./chromium');

const [pageFile, file, frameText] = process.argv.slice(2);

async function main() {
  const browser = await chromium.launch();
  try {
    const page = await chromium.open(browser, pageFile, { width: 1400, height: 540 });
    await chromium.waitReady(page);
    await chromium.freezeAtFrame(page, Number(frameText || 60));
    await chromium.stable(page);
    fs.writeFileSync(file, await page.screenshot({ type: 'png', fullPage: true }));
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(`FAIL: ${error.message}`);
  process.exit(1);
});
