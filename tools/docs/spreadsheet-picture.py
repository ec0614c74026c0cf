#!/usr/bin/python3
# Opens a schedule table in a spreadsheet as a user would (Calc, the CSV import with UTF-8 and
# commas) and writes a PNG of its sheet, every column on one page, for the README.
#   tools/docs/spreadsheet-picture.py TABLE.csv PICTURE.png
# Needs libreoffice-calc-nogui, python3-uno and poppler-utils.
import os
import subprocess
import sys
import tempfile
import time

import uno
from com.sun.star.beans import PropertyValue


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


def main(table, picture):
    work = tempfile.mkdtemp()
    pipe = "schedule-picture-%d" % os.getpid()
    office = subprocess.Popen(["soffice", "--headless", "--norestore", "--nologo",
                               "-env:UserInstallation=file://" + work + "/profile",
                               "--accept=pipe,name=%s;urp;" % pipe],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        resolver = uno.getComponentContext().ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", uno.getComponentContext())
        for _ in range(120):
            try:
                context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
                break
            except Exception:
                time.sleep(0.5)
        else:
            sys.exit("spreadsheet-picture: the spreadsheet did not start")
        desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        document = desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(os.path.abspath(table)), "_blank", 0,
            (prop("FilterName", "Text - txt - csv (StarCalc)"), prop("FilterOptions", "44,34,76,1"),
             prop("Hidden", True)))
        sheet = document.Sheets.getByIndex(0)
        sheet.Columns.OptimalWidth = True
        style = document.StyleFamilies.getByName("PageStyles").getByName(sheet.PageStyle)
        style.IsLandscape = True
        style.Width, style.Height = 29700, 21000
        style.ScaleToPagesX, style.ScaleToPagesY = 1, 1
        style.HeaderIsOn = style.FooterIsOn = False
        style.PrintGrid = True
        style.PrintHeaders = True
        pdf = os.path.join(work, "sheet.pdf")
        document.storeToURL(uno.systemPathToFileUrl(pdf), (prop("FilterName", "calc_pdf_Export"),))
        document.close(True)
        desktop.terminate()
    finally:
        office.wait(timeout=60) if office.poll() is None else None
    base = os.path.join(work, "sheet")
    subprocess.run(["pdftoppm", "-png", "-r", "110", "-singlefile", pdf, base], check=True)
    subprocess.run(["convert", base + ".png", "-trim", "-bordercolor", "white", "-border", "12", picture],
                   check=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__ or "usage: spreadsheet-picture.py TABLE.csv PICTURE.png")
    main(sys.argv[1], sys.argv[2])
