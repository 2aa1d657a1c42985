// Serves a folder to this machine alone, as any static web server would serve the
// browser build's page: `node scripts/serve-web.mjs [folder] [port]` (build-web/site,
// 8080; port 0 takes a free one). Localhost is one of the two kinds of address (with
// https) on which a browser lets a page use the clipboard. The browser test starts it
// in its own process through startServer().
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.txt': 'text/plain; charset=utf-8',
};

export function startServer(folder, port = 0) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    let file = path.join(root, path.normalize(name));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    if (fs.existsSync(file) && fs.statSync(file).isDirectory())
      file = path.join(file, 'index.html');
    fs.readFile(file, (error, data) => {
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
        return;
      }
      response.writeHead(200, {
        'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      response.end(data);
    });
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const folder = process.argv[2] || 'build-web/site';
  const port = Number(process.argv[3] || 8080);
  if (!fs.existsSync(path.join(folder, 'index.html'))) {
    console.error(`${folder}/index.html is missing: make web builds it`);
    process.exit(1);
  }
  const server = await startServer(folder, port);
  console.log(`Serving ${folder} at http://localhost:${server.address().port}/ (Ctrl+C stops)`);
}
