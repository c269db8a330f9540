// Finishes the page folder: writes the service worker with the page's files
// and a cache name made from their contents, then a gzip and a brotli copy
// of every file for servers that send them as they are.
//   node pack_page.mjs OUT_DIR sw.js.in FILE...
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';

const [out, template, ...files] = process.argv.slice(2);
const hash = createHash('sha256');
for (const f of files) hash.update(f).update(readFileSync(`${out}/${f}`));
const build = hash.digest('hex').slice(0, 16);
writeFileSync(`${out}/sw.js`, readFileSync(template, 'utf8').replace('@BUILD@', build)
  .replace('@FILES@', ['./', ...files].map((f) => `'${f}'`).join(', ')));
for (const f of [...files, 'sw.js']) {
  const data = readFileSync(`${out}/${f}`);
  writeFileSync(`${out}/${f}.gz`, gzipSync(data, { level: 9 }));
  writeFileSync(`${out}/${f}.br`, brotliCompressSync(data, {
    params: { [constants.BROTLI_PARAM_QUALITY]: 11, [constants.BROTLI_PARAM_SIZE_HINT]: data.length },
  }));
}
