// node serve.mjs SITE PORT: serves the site on 127.0.0.1 until stopped.
import { serve } from "./server.mjs";

const [site, port] = process.argv.slice(2);
const server = await serve(site, Number(port));
console.log(`Serving ${site} at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
