"""What the web app's test, benchmark and screenshots share: the built site on
a free localhost port, and headless Chromium driven through selenium."""

import functools
import http.server
import shutil
import threading


class Site:
    """The built site, served as `python3 -m http.server` does; stop() plays a lost server."""

    def __init__(self, root):
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(_Quiet, directory=root))
        self.url = f'http://localhost:{self.server.server_address[1]}/'
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class _Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, '.wasm': 'application/wasm',
                      '.webmanifest': 'application/manifest+json', '.js': 'text/javascript'}

    def log_message(self, *args):
        pass


def missing():
    """Why the browser cannot run here, or None."""
    try:
        import selenium  # noqa: F401
    except ImportError:
        return 'python3-selenium is missing'
    for program in ('chromium', 'chromedriver'):
        if not shutil.which(program):
            return f'{program} is missing'
    return None


def chromium(width=1280, height=900):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which('chromium')
    # No sandbox or shared memory in a container; no scroll bars in screenshots.
    for flag in ('--headless=new', '--no-sandbox', '--disable-dev-shm-usage', '--hide-scrollbars',
                 f'--window-size={width},{height}'):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=options)
    driver.set_script_timeout(30)
    return driver


def phone(driver, on=True):
    """A phone's screen, 360 × 640 CSS px, or back to the window's own."""
    if on:
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                               {'width': 360, 'height': 640, 'deviceScaleFactor': 2, 'mobile': True})
    else:
        driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})
