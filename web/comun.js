// What every page shares: loading the module, the offline worker and saving a
// file made in the page.
import { load } from './sorvani.js';

// The page is ready: marked for the tests and the benchmark. Only now the
// worker starts keeping the whole site (so both pages open and solve without
// the server after this visit): its copying would slow the first visit down.
export function shown() {
  document.documentElement.dataset.listo = '';
  performance.mark('sorvani-listo');
  if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch(() => {});
}

// Saves bytes or text as a file through a Blob URL: nothing leaves the device.
export function save(content, name, type) {
  const url = URL.createObjectURL(new Blob([content], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  // Kept a while: a browser may read it after the click has returned.
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// Puts text on the clipboard; without the clipboard API (a page not served
// securely) the old way.
export async function copy(text) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    const area = document.createElement('textarea');
    area.value = text;
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
  }
}

// The number box "Decimales" as the module takes it: a whole number from 0 to 10.
export function decimals(box) {
  const n = Math.round(Number(box.value));
  return Number.isFinite(n) && box.value.trim() !== '' ? Math.min(10, Math.max(0, n)) : 4;
}

// The module, or a line in the status saying why the page cannot work.
export async function start(status) {
  try {
    await load();
    return true;
  } catch {
    status.textContent = 'Este navegador no puede cargar el módulo de cálculo (WebAssembly). Recargue la página o use un navegador actual.';
    return false;
  }
}
