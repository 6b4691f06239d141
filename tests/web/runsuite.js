// Runs a test suite built for the web in node. The build wraps each program
// in a factory, as a web page wants it; this calls the factory with the
// test's arguments and the locale and Qt settings of its environment, and
// ends with the program's exit status.
const path = require('path');

const createProgram = require(path.resolve(process.argv[2]));
createProgram({
    arguments: process.argv.slice(3),
    preRun: [program => {
        for (const [name, value] of Object.entries(process.env)) {
            if (/^(LANG|LC_ALL|EXPECTED_SYSTEM_LOCALE|QT_)/.test(name))
                program.ENV[name] = value;
        }
    }],
    quit: status => process.exit(status),
});
