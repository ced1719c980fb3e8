// Sparkplug B payloads through Eclipse Tahu's JavaScript library, independent of the program's
// own schema and code:
//   node decode.js            lines "TOPIC HEX" (mosquitto_sub -F '%t %x') in, one JSON line
//                             {"topic":...,"payload":{...}} out per message
// The library is looked for in the folder NODE_PATH names (scripts/setup installs it there).
'use strict';
const sparkplug = require('sparkplug-payload').get('spBv1.0');

// 64-bit numbers come as Long objects: written as plain numbers (exact up to 2^53).
function plain(key, value) {
    if (value && typeof value === 'object' && 'low' in value && 'high' in value &&
        'unsigned' in value)
        return value.high * 4294967296 + (value.low >>> 0);
    return value;
}

function readAll(done) {
    const chunks = [];
    process.stdin.on('data', (c) => chunks.push(c));
    process.stdin.on('end', () => done(Buffer.concat(chunks)));
}

readAll((input) => {
    for (const line of input.toString('latin1').split('\n')) {
        const space = line.indexOf(' ');
        if (space <= 0)
            continue;
        const topic = line.slice(0, space);
        const bytes = Buffer.from(line.slice(space + 1).trim(), 'hex');
        let payload;
        try {
            payload = sparkplug.decodePayload(bytes);
        } catch (e) {
            payload = {error: String(e)};
        }
        process.stdout.write(JSON.stringify({topic, payload}, plain) + '\n');
    }
});
