// compare_pictures.js A.ppm B.ppm [TOLERANCE]: the share of pixels whose
// red, green and blue each differ by at most TOLERANCE (default 8) out of
// 255, as a percentage, then the same share among the pixels drawn (not
// black) in either picture, which the black background does not dilute.
// The two pictures must be the same size.
'use strict';
const fs = require('fs');

function readPpm(file) {
  const bytes = fs.readFileSync(file);
  const header = bytes.toString('latin1', 0, 64).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header) throw new Error(`${file}: not a binary PPM with 8-bit channels`);
  return { width: Number(header[1]), height: Number(header[2]),
           pixels: bytes.subarray(header[0].length) };
}

const [fileA, fileB, toleranceText] = process.argv.slice(2);
const tolerance = Number(toleranceText || 8);
const a = readPpm(fileA);
const b = readPpm(fileB);
if (a.width !== b.width || a.height !== b.height) {
  console.error(`FAIL: ${a.width}x${a.height} against ${b.width}x${b.height}`);
  process.exit(1);
}
const count = a.width * a.height;
let agreeing = 0;
let drawn = 0;
let drawnAgreeing = 0;
for (let i = 0; i < 3 * count; i += 3) {
  let agrees = true;
  let black = true;
  for (let c = i; c < i + 3; c++) {
    if (Math.abs(a.pixels[c] - b.pixels[c]) > tolerance) agrees = false;
    if (a.pixels[c] !== 0 || b.pixels[c] !== 0) black = false;
  }
  if (agrees) agreeing++;
  if (!black) {
    drawn++;
    if (agrees) drawnAgreeing++;
  }
}
console.log(`${((100 * agreeing) / count).toFixed(3)} ${((100 * drawnAgreeing) / drawn).toFixed(3)}`);
