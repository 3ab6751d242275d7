# SPDX-License-Identifier: MIT
"""Takes the README's pictures of the browser page with headless Chromium: a Davion "Company"
at a desktop's 1280 x 900 and on a phone's 360 x 740 screen, touch emulated. Run with Debian's python3 (it has
python3-selenium): `python3 scripts/page-screenshots.py <page> <desktop.png> <phone.png>`."""
import pathlib
import shutil
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page, desktop, phone = sys.argv[1:4]
LINK = pathlib.Path(page).resolve().as_uri() + (
    "#house=Davion&size=Company&weight=Random&experience=Regular&vehicles=0&seed=1")
SCREENS = [(desktop, 1280, 900, False), (phone, 360, 740, True)]

with tempfile.TemporaryDirectory() as profile:
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--hide-scrollbars", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
    try:
        for path, width, height, mobile in SCREENS:
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
            driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": mobile})
            driver.get("about:blank")
            driver.get(LINK)
            driver.find_element("id", "SeedLabel")
            driver.execute_script("return document.fonts.ready")
            driver.save_screenshot(path)
    finally:
        driver.quit()
