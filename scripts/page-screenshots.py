# SPDX-License-Identifier: MIT
"""Takes the README's pictures of the browser page with headless Chromium: a Davion "Company"
at a desktop's 1280 x 900 and on a phone's 360 x 740 screen, touch emulated, and the site on a
phone's screen. Run with Debian's python3 (it has python3-selenium):
`python3 scripts/page-screenshots.py <page> <desktop.png> <phone.png> <site folder> <site.png>`."""
import functools
import http.server
import pathlib
import shutil
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.wait import WebDriverWait

page, desktop, phone, site, site_phone = sys.argv[1:6]
FORCE = "#house=Davion&size=Company&weight=Random&experience=Regular&vehicles=0&seed=1"
LINK = pathlib.Path(page).resolve().as_uri() + FORCE
server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(http.server.SimpleHTTPRequestHandler, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
SITE_LINK = f"http://127.0.0.1:{server.server_port}/{FORCE}"
SCREENS = [(desktop, LINK, 1280, 900, False), (phone, LINK, 360, 740, True),
           (site_phone, SITE_LINK, 360, 740, True)]

with tempfile.TemporaryDirectory() as profile:
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--hide-scrollbars", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
    try:
        for path, link, width, height, mobile in SCREENS:
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
            driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": mobile})
            driver.get("about:blank")
            driver.get(link)
            WebDriverWait(driver, 10).until(
                lambda driver: driver.find_element("id", "MechBox").get_attribute("value"))
            driver.execute_script("return document.fonts.ready")
            driver.save_screenshot(path)
    finally:
        driver.quit()
