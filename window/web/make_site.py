#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts Ombrix's web page together from its parts and the emscripten output.

make_site.py SOURCE ICONS BUILT OUTPUT VERSION

SOURCE is window/web, ICONS packaging/icons, BUILT the folder that holds
ombrix.js, ombrix.wasm and ombrix-single.js. Into OUTPUT go:
  site/        the site: index.html, its script, style, manifest, icons and
               the service worker that keeps it all for offline use;
  Ombrix.html  the whole page in one file, the WebAssembly inside, for file://;
  Ombrix-VERSION-web.zip  both of them.
Every file is the same for the same inputs, the zip's times too.
"""
import base64
import hashlib
import json
import pathlib
import shutil
import sys
import zipfile

ICON_SIZES = (16, 32, 256)  # the caption's, the tab's, the app's
ZIP_TIME = (2000, 1, 1, 0, 0, 0)


def read(path):
    return pathlib.Path(path).read_text(encoding="utf-8")


def inline_script(text):
    # A script inside the page ends at the first "</script".
    return "<script>\n" + text.replace("</script", "<\\/script") + "\n</script>"


def page(template, root_attributes, head, icon, scripts):
    return (template.replace("@ROOT_ATTRIBUTES@", root_attributes).replace("@HEAD@", head)
            .replace("@ICON@", icon).replace("@SCRIPTS@", scripts))


def main(source, icons, built, output, version):
    source, icons, built, output = map(pathlib.Path, (source, icons, built, output))
    template = read(source / "page.html.in")
    style = read(source / "ombrix.css")
    page_script = read(source / "page.js")

    site = output / "site"
    shutil.rmtree(site, ignore_errors=True)
    (site / "icons").mkdir(parents=True)
    for size in ICON_SIZES:
        shutil.copyfile(icons / f"ombrix-{size}.png", site / "icons" / f"ombrix-{size}.png")
    shutil.copyfile(icons / "ombrix.svg", site / "icons" / "ombrix.svg")
    shutil.copyfile(source / "ombrix.css", site / "ombrix.css")
    shutil.copyfile(source / "page.js", site / "page.js")
    shutil.copyfile(built / "ombrix.js", site / "ombrix.js")
    shutil.copyfile(built / "ombrix.wasm", site / "ombrix.wasm")

    manifest_icons = [{"src": f"icons/ombrix-{size}.png", "sizes": f"{size}x{size}", "type": "image/png"}
                      for size in (256,)]
    manifest_icons.append({"src": "icons/ombrix.svg", "sizes": "any", "type": "image/svg+xml"})
    (site / "manifest.json").write_text(
        read(source / "manifest.json.in").replace("@ICONS@", json.dumps(manifest_icons, indent=2)
                                                  .replace("\n", "\n  ")), encoding="utf-8")

    # The WebAssembly is asked for at once, beside the scripts that use it.
    head = ('<link rel="preload" href="ombrix.wasm" as="fetch" type="application/wasm" crossorigin>\n'
            '<link rel="icon" href="icons/ombrix-32.png" sizes="32x32" type="image/png">\n'
            '<link rel="apple-touch-icon" href="icons/ombrix-256.png">\n'
            '<link rel="manifest" href="manifest.json">\n'
            '<link rel="stylesheet" href="ombrix.css">')
    scripts = '<script src="page.js"></script>\n<script src="ombrix.js"></script>'
    (site / "index.html").write_text(
        page(template, ' data-offline-worker="sw.js"', head, "icons/ombrix-16.png", scripts), encoding="utf-8")

    # The worker keeps every file of the site; its cache is named by the
    # version and by the files' contents.
    files = sorted(str(path.relative_to(site)) for path in site.rglob("*") if path.is_file())
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (site / name).read_bytes())
    cached = ["./"] + files
    (site / "sw.js").write_text(
        read(source / "sw.js.in").replace("@CACHE_VERSION@", f"{version}-{digest.hexdigest()[:12]}")
        .replace("@FILES@", json.dumps(cached)), encoding="utf-8")

    # One file: the style, the scripts and the icon inside; no worker and no
    # manifest, which a page from a file cannot have.
    icon = "data:image/png;base64," + base64.b64encode((icons / "ombrix-32.png").read_bytes()).decode()
    single_head = (f'<link rel="icon" href="{icon}" sizes="32x32" type="image/png">\n'
                   f"<style>\n{style}</style>")
    single_scripts = inline_script(page_script) + "\n" + inline_script(read(built / "ombrix-single.js"))
    single = output / "Ombrix.html"
    single.write_text(page(template, "", single_head, icon, single_scripts), encoding="utf-8")

    archive = output / f"Ombrix-{version}-web.zip"
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as zip_file:
        for name in ["Ombrix.html"] + [f"site/{name}" for name in sorted(files + ["sw.js"])]:
            info = zipfile.ZipInfo(f"Ombrix-{version}-web/{name}", ZIP_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            zip_file.writestr(info, (output / name).read_bytes())


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
