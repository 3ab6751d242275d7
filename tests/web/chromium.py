# SPDX-License-Identifier: MIT
"""Headless Chromium for the page's tests: its profile in a folder of the test's, and none of
the background traffic a closed network refuses."""
import shutil


def start_chromium(folder):
    """A Selenium driver of Debian's chromium whose profile is `folder`/profile."""
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", f"--user-data-dir={folder / 'profile'}"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
