// What both pages share: the offline worker and saving a file made in the page.

// After the first visit the worker keeps the whole site, so both pages open
// and solve without the server.
export function keepOffline() {
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

// The number box "Decimales" as the module takes it: a whole number from 0 to 10.
export function decimals(box) {
  const n = Math.round(Number(box.value));
  return Number.isFinite(n) && box.value.trim() !== '' ? Math.min(10, Math.max(0, n)) : 4;
}
