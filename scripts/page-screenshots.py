# SPDX-License-Identifier: MIT
"""Takes the README's pictures of the browser page with headless Chromium: a Davion "Company"
at a desktop's 1280 x 900 and on a phone's 360 x 740 screen, touch emulated, and the site on a
phone's screen; beside the phone's picture, on the same screen, the collection panel showing
only what a small collection owns (page-phone-collection.png), a force drawn from it with open
slots (page-phone-open-slots.png) and a Galaxy at its thirtieth star under the force's bar
(page-phone-galaxy.png, the bar holding its totals), and a lance drawn within a budget from tables laid out from a design
list, from the seed line down to the list's report (page-budget.png). Run with Debian's python3
(it has python3-selenium): `python3 scripts/page-screenshots.py <page> <desktop.png> <phone.png> <site folder> <site.png>`."""
import base64
import functools
import http.server
import pathlib
import shutil
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.select import Select
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
        folder = pathlib.Path(phone).parent
        shelf = pathlib.Path(profile) / "shelf.txt"
        shelf.write_text("2 Sleetfang\n1 Tidecaller\n1 Gale Regent\n2 Mailfist\n1 Kaito Runner\n")
        driver.get("about:blank")
        driver.get(pathlib.Path(page).resolve().as_uri())
        WebDriverWait(driver, 10).until(lambda driver: driver.find_element("id", "GButton").is_enabled())
        driver.find_element("id", "CollectionFileInput").send_keys(str(shelf))
        driver.find_element("id", "OpenCollection").click()
        WebDriverWait(driver, 10).until(lambda driver: len(driver.find_elements(
            "css selector", "#CollectionDesigns tbody tr")) == 5)
        driver.save_screenshot(str(folder / "page-phone-collection.png"))
        driver.find_element("css selector", "#CollectionPanel summary").click()
        driver.find_element("id", "OwnedBox").click()
        for list_id, word in (("HouseBox", "Kurita"), ("SizeBox", "Company")):
            Select(driver.find_element("id", list_id)).select_by_value(word)
        driver.find_element("id", "SeedBox").send_keys("1")
        driver.find_element("id", "GButton").click()
        driver.execute_script("scrollTo({top: document.getElementById('Roster').offsetTop - "
                              "document.getElementById('ForceBar').offsetHeight - 8})")
        driver.save_screenshot(str(folder / "page-phone-open-slots.png"))
        driver.get("about:blank")
        driver.get(pathlib.Path(page).resolve().as_uri() + "#house=Wolf&size=Galaxy&vehicles=1&seed=4")
        WebDriverWait(driver, 10).until(
            lambda driver: driver.find_element("id", "MechBox").get_attribute("value"))
        Select(driver.find_element("id", "JumpTo")).select_by_value("30")
        driver.save_screenshot(str(folder / "page-phone-galaxy.png"))
        designs = pathlib.Path(profile) / "mine.csv"
        designs.write_text(
            "design,tons,points,weight_class,kind,factions,rarity\n"
            "Pike Runner,25,610,Light,mech,Davion,common\nVigil Scout,20,480,Light,mech,Davion,rare\n"
            "Brass Warden,50,1100,Medium,mech,Davion,common\n"
            "Crest Lancer,45,990,Medium,mech,Davion,rare\nRampart,70,1500,Heavy,mech,Davion,common\n"
            "Crown Bastion,100,2300,Assault,mech,Davion,common\nBattle Suit,1,120,,,,\n")
        driver.find_element("id", "DesignFileInput").send_keys(str(designs))
        WebDriverWait(driver, 10).until(lambda driver: "mine.csv" in driver.find_element(
            "id", "DesignListState").get_attribute("textContent"))
        driver.execute_script("document.getElementById('DesignPanel').open = true;"
                              "document.getElementById('LayOutTables').click();"
                              "document.getElementById('UseMadeTables').click()")
        WebDriverWait(driver, 10).until(lambda driver: "mine-tables.dat" in driver.find_element(
            "id", "TablesInUse").text)
        for list_id, word in (("HouseBox", "Davion"), ("SizeBox", "Lance")):
            Select(driver.find_element("id", list_id)).select_by_value(word)
        driver.execute_script("document.getElementById('Vehicle').checked = false")
        driver.find_element("id", "BudgetText").send_keys("5000")
        driver.find_element("id", "SeedBox").clear()
        driver.find_element("id", "SeedBox").send_keys("3")
        # Generate at the top, where the force's bar, staying at the top of the screen, covers
        # none of it.
        driver.execute_script("scrollTo(0, 0)")
        driver.find_element("id", "GButton").click()
        WebDriverWait(driver, 30).until(lambda driver: driver.execute_script(
            "return !document.getElementById('Roster').hasAttribute('aria-busy')"))
        # The phone's page from the seed line down to the report, in one picture.
        top, bottom = driver.execute_script(
            "return [document.getElementById('SeedLabel').getBoundingClientRect().top + scrollY,"
            " document.getElementById('MadeTables').getBoundingClientRect().bottom + scrollY]")
        shot = driver.execute_cdp_cmd("Page.captureScreenshot", {
            "captureBeyondViewport": True,
            "clip": {"x": 0, "y": top - 8, "width": 360, "height": bottom - top + 16, "scale": 1}})
        (folder / "page-budget.png").write_bytes(base64.b64decode(shot["data"]))
    finally:
        driver.quit()
