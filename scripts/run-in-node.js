// Runs a program of the browser build under Node, as CTest's emulator for that build and
// for the results comparison:
//   node --no-experimental-fetch scripts/run-in-node.js program.js [arguments...]
// The toolkit links its programs as a module factory for the page to call (emscripten's
// MODULARIZE): this calls it with the arguments, and ends with the program's exit status.
// A program that does not link the toolkit runs by itself once loaded; it reads its
// arguments from the command line, which is made to look as if Node had started it.
// (--no-experimental-fetch: Node's own fetch() would take the .wasm file's name for a
// URL, where emscripten's loader reads the file when fetch() is missing.)
'use strict';

const path = require('path');

const [program, ...args] = process.argv.slice(2);
if (!program) {
  console.error('usage: run-in-node.js program.js [arguments...]');
  process.exit(2);
}
const file = path.resolve(program);
process.argv = [process.argv[0], file, ...args];
const factory = require(file);
if (typeof factory === 'function') {
  factory({
    arguments: args,
    quit: (status) => process.exit(status),
    onAbort: (what) => {
      console.error(`${program}: aborted: ${what}`);
      process.exit(134);
    },
  });
}
