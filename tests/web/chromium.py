# SPDX-License-Identifier: MIT
"""Headless Chromium for the page's tests: its profile in a folder of the test's, and none of
the background traffic a closed network refuses; what the page leaves until after a paint; and
waiting for what the page does in tasks of its own."""
import shutil
import time


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


def after_paint(driver, script="return"):
    """`script`'s value once the page has done what it leaves until it is idle after a paint:
    writing the history entry of the force it shows, and the hidden listing box."""
    return driver.execute_async_script(
        "const done = arguments[0];"
        f"requestAnimationFrame(() => requestIdleCallback(() => done((() => {{{script}}})())));")


def page_value(driver, element_id, attribute="value"):
    """The `attribute` of the page's element `element_id`; the listing box's once written."""
    if element_id == "MechBox":
        after_paint(driver)
    return driver.find_element("id", element_id).get_attribute(attribute)


def wait_until(condition, seconds=30):
    """Whether `condition()` came true within `seconds`: long enough for a page slowed by a
    sanitizer build on a busy machine, and a failing test still ends."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True
