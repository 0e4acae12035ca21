// compare_streams.js NATIVE_DIR WEB_DIR: the files stream_driver wrote in
// its native and its WebAssembly build. The GL streams of fields 1 and 2 with
// the sources placed directly must be the same bytes; for the ripple and for
// what vSetTime places, which take the sine and cosine of the C library each
// build has, the share of values that differ is printed, not judged.
'use strict';
const fs = require('fs');
const path = require('path');

const [nativeDir, webDir] = process.argv.slice(2);
if (!webDir) {
  console.error('usage: compare_streams.js NATIVE_DIR WEB_DIR');
  process.exit(2);
}

function words(dir, name) {
  const bytes = fs.readFileSync(path.join(dir, name));
  return new Uint32Array(bytes.buffer, bytes.byteOffset, bytes.length / 4);
}

function floatOf(word) {
  return new Float32Array(new Uint32Array([word]).buffer)[0];
}

// The distance in units in the last place between two finite floats of one
// sign, which is all these values are.
function ulps(a, b) {
  return Math.abs((a | 0) - (b | 0));
}

function differences(name) {
  const native = words(nativeDir, name);
  const web = words(webDir, name);
  if (native.length !== web.length) {
    throw new Error(`${name}: ${native.length} values natively, ${web.length} in WebAssembly`);
  }
  let count = 0;
  let first = -1;
  let widest = 0;
  for (let i = 0; i < native.length; i++) {
    if (native[i] !== web[i]) {
      count++;
      if (first < 0) first = i;
      widest = Math.max(widest, ulps(native[i], web[i]));
    }
  }
  return { count, first, widest, total: native.length };
}

function percent(part, whole) {
  return `${((100 * part) / whole).toFixed(2)}%`;
}

const exact = differences('exact.bin');
if (exact.count !== 0) {
  const i = exact.first;
  console.error(`FAIL: the GL streams of fields 1 and 2 differ in ${exact.count} of ` +
                `${exact.total} words, first at word ${i} ` +
                `(${floatOf(words(nativeDir, 'exact.bin')[i])} natively, ` +
                `${floatOf(words(webDir, 'exact.bin')[i])} in WebAssembly)`);
  process.exit(1);
}
console.log(`fields 1 and 2: the GL streams agree bit for bit (${exact.total} words)`);

const sine = differences('sine.bin');
console.log(`sinf of the frame clock: differs at ${sine.count} of ${sine.total} frames ` +
            `(${percent(sine.count, sine.total)}), first at frame ${sine.first + 1}, ` +
            `by at most ${sine.widest} ulp`);
const clock = differences('clock.bin');
console.log(`vSetTime: the source coordinate differs at ${clock.count} of ${clock.total} ` +
            `frames (${percent(clock.count, clock.total)}), first at frame ` +
            `${clock.first + 1}, by at most ${clock.widest} ulp`);
const ripple = differences('ripple.bin');
console.log(`ripple: ${ripple.count} of ${ripple.total} corner values differ ` +
            `(${percent(ripple.count, ripple.total)}), by at most ${ripple.widest} ulp`);
const frames = differences('frames.bin');
console.log(`ripple: the GL stream of ${frames.count} of ${frames.total} frames differs ` +
            `(${percent(frames.count, frames.total)})`);
const placed = differences('placed.bin');
console.log(`fields 1 and 2 placed by vSetTime: the GL stream of ${placed.count} of ` +
            `${placed.total} frames differs (${percent(placed.count, placed.total)})`);
