#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts Ombrix's web page together from its parts and the emscripten output.

make_site.py SOURCE ICONS BUILT SCRIPT OUTPUT VERSION FACTS

SOURCE is window/web, ICONS packaging/icons, BUILT the folder that holds
ombrix.js and ombrix.wasm (WebAssembly with 128-bit vectors), SCRIPT the one
that holds ombrix-script.js (the program as plain script). FACTS is the JSON
that form1_facts prints: the caption, the report's title and button, the
font, and the window's controls and places, from Form1's table. Into OUTPUT
go:
  site/        the site: index.html, which holds the window, its script,
               style, manifest, icons, both programs and the service worker
               that keeps it all for offline use;
  Ombrix.html  the whole page in one file, the program as script inside, for
               file://;
  Ombrix-VERSION-web.zip  both of them.
Every file is the same for the same inputs, the zip's times too.
"""
import base64
import hashlib
import html
import json
import pathlib
import shutil
import sys
import zipfile

ICON_SIZES = (16, 32, 256)  # the caption's, the tab's, the app's
ZIP_TIME = (2000, 1, 1, 0, 0, 0)
# A module of one function that returns a 128-bit vector, which the page
# validates and compiles to choose the program.
VECTOR_PROBE = [0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0,
                10, 22, 1, 20, 0, 253, 12] + [0] * 16 + [11]


def read(path):
    return pathlib.Path(path).read_text(encoding="utf-8")


def inline_script(text):
    # A script inside the page ends at the first "</script".
    return "\n" + text.replace("</script", "<\\/script") + "\n"


def source_hash(text):
    """The policy's name for an inline script or style of exactly this text."""
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def policy(script, style, image, more="", wasm=True):
    """A strict Content-Security-Policy: nothing from another origin, no inline
    code but by hash, WebAssembly compiled where the page has it, no plugins,
    forms or base."""
    script = script + " 'wasm-unsafe-eval'" if wasm else script
    return (f"default-src 'none'; script-src {script}; style-src {style}; img-src {image}; "
            f"{more}base-uri 'none'; form-action 'none'")


def control_element(control):
    """A control of the table as the page's element; its place is in the style.
    Until the program has attached to them, the controls are disabled: the
    window takes no input that would go nowhere. Each control is an explicit
    tab stop, as Safari asks of a button in its default settings."""
    caption, name, tag = html.escape(control["caption"]), html.escape(control["name"]), control["tag"]
    attributes = [f'id="{name}"']
    if control["accessibleName"]:
        attributes.append(f'aria-label="{html.escape(control["accessibleName"])}"')
    if control["labelledBy"]:
        attributes.append(f'aria-labelledby="{html.escape(control["labelledBy"])}"')
    if control["accessibleDescription"]:
        attributes.append(f'aria-describedby="{name}Description"')
    if control["kind"] == "Label":
        return f'<{tag} {" ".join(attributes)} class="label">{caption}</{tag}>'
    attributes += ['tabindex="0"', "disabled"]
    if control["kind"] == "Button":
        return f"<{tag} {' '.join(attributes)} type=\"button\">{caption}</{tag}>"
    if control["kind"] != "TextBox":
        raise ValueError(f"Form1 has no control of kind {control['kind']}")
    attributes += ['type="text"', f'maxlength="{control["maxLength"]}"', 'inputmode="decimal"', 'autocomplete="off"',
                   'spellcheck="false"', 'autocapitalize="off"', 'autocorrect="off"']
    return f"<{tag} {' '.join(attributes)}>"


CAPTION_HEIGHT, BORDER = 30, 1  # ombrix.css's caption bar and window border


def window_size(facts):
    """Form1's size on the page, in CSS pixels, at scale 1."""
    return facts["clientWidth"] + 2 * BORDER, facts["clientHeight"] + CAPTION_HEIGHT + 2 * BORDER


def control_places(facts):
    """The style's rules that put the window, its client area and each control in place."""
    width, height = window_size(facts)
    rules = [f"#Frame {{ width: var(--frame-width, {width}px); height: var(--frame-height, {height}px); }}",
             f"#Client {{ width: {facts['clientWidth']}px; height: {facts['clientHeight']}px; }}"]
    for c in facts["controls"]:
        rules.append(f"#{c['name']} {{ left: {c['left']}px; top: {c['top']}px; "
                     f"--width: {c['width']}px; --height: {c['height']}px; }}")
    return "\n".join(rules)


def description(control):
    """The text that a screen reader reads after the control's name, unseen."""
    name, text = html.escape(control["name"]), html.escape(control["accessibleDescription"])
    return f'<span id="{name}Description" class="unseen">{text}</span>'


def with_facts(text, facts):
    """A part with Form1's caption, report texts, font, controls and places put in."""
    controls = "\n".join([control_element(c) for c in facts["controls"]] +
                          [description(c) for c in facts["controls"] if c["accessibleDescription"]])
    return (text.replace("@CAPTION@", html.escape(facts["caption"])).replace("@FONT@", facts["font"])
            .replace("@REPORT_TITLE@", html.escape(facts["reportTitle"]))
            .replace("@REPORT_BUTTON@", html.escape(facts["reportButton"]))
            .replace("@CONTROLS@", "\n" + controls + "\n").replace("@PLACES@", control_places(facts)))


def page(template, root_attributes, head, icon, first_paint, scripts, content_policy):
    return (template.replace("@ROOT_ATTRIBUTES@", root_attributes).replace("@HEAD@", head)
            .replace("@ICON@", icon).replace("@FIRST_PAINT@", f"<script>{first_paint}</script>")
            .replace("@SCRIPTS@", scripts).replace("@POLICY@", html.escape(content_policy)))


def main(source, icons, built, script, output, version, facts):
    source, icons, built, script, output = map(pathlib.Path, (source, icons, built, script, output))
    facts = json.loads(read(facts))
    template = with_facts(read(source / "page.html.in"), facts)
    style = with_facts(read(source / "ombrix.css"), facts)
    page_script = read(source / "page.js.in").replace("@VECTOR_PROBE@", json.dumps(VECTOR_PROBE))
    # Sizes the window before the first paint, inside the page's head.
    width, height = window_size(facts)
    first_paint = inline_script(read(source / "first_paint.js").replace("@WINDOW_WIDTH@", str(width))
                                .replace("@WINDOW_HEIGHT@", str(height)))

    site = output / "site"
    shutil.rmtree(site, ignore_errors=True)
    (site / "icons").mkdir(parents=True)
    for size in ICON_SIZES:
        shutil.copyfile(icons / f"ombrix-{size}.png", site / "icons" / f"ombrix-{size}.png")
    shutil.copyfile(icons / "ombrix.svg", site / "icons" / "ombrix.svg")
    (site / "ombrix.css").write_text(style, encoding="utf-8")
    (site / "page.js").write_text(page_script, encoding="utf-8")
    for name in ("ombrix.js", "ombrix.wasm"):
        shutil.copyfile(built / name, site / name)
    shutil.copyfile(script / "ombrix-script.js", site / "ombrix-script.js")

    manifest_icons = [{"src": f"icons/ombrix-{size}.png", "sizes": f"{size}x{size}", "type": "image/png"}
                      for size in (256,)]
    manifest_icons.append({"src": "icons/ombrix.svg", "sizes": "any", "type": "image/svg+xml"})
    caption = json.dumps(facts["caption"], ensure_ascii=False)[1:-1]  # as a JSON string's inside
    icons_list = json.dumps(manifest_icons, indent=2).replace("\n", "\n  ")
    (site / "manifest.json").write_text(
        read(source / "manifest.json.in").replace("@CAPTION@", caption).replace("@ICONS@", icons_list),
        encoding="utf-8")

    # page.js asks for the program that the browser can run.
    head = ('<link rel="icon" href="icons/ombrix-32.png" sizes="32x32" type="image/png">\n'
            '<link rel="apple-touch-icon" href="icons/ombrix-256.png">\n'
            '<link rel="manifest" href="manifest.json">\n'
            '<link rel="stylesheet" href="ombrix.css">')
    site_policy = policy(f"'self' {source_hash(first_paint)}", "'self'", "'self'",
                         "connect-src 'self'; manifest-src 'self'; worker-src 'self'; ")
    (site / "index.html").write_text(
        page(template, ' data-program="ombrix" data-offline-worker="sw.js"', head, "icons/ombrix.svg", first_paint,
             '<script src="page.js"></script>', site_policy), encoding="utf-8")

    # The worker keeps every file of the site, each with the digest of its
    # bytes, which it checks; its cache is named by the version and by the
    # files' contents. The site's folder is its page.
    files = sorted(str(path.relative_to(site)) for path in site.rglob("*") if path.is_file())
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (site / name).read_bytes())
    digests = {name: hashlib.sha256((site / name).read_bytes()).hexdigest() for name in files}
    cached = {"./": digests["index.html"], **digests}
    (site / "sw.js").write_text(
        read(source / "sw.js.in").replace("@CACHE_VERSION@", f"{version}-{digest.hexdigest()[:12]}")
        .replace("@FILES@", json.dumps(cached, indent=2)), encoding="utf-8")

    # One file: the style, the scripts and the icon inside; no worker and no
    # manifest, which a page from a file cannot have.
    icon = "data:image/png;base64," + base64.b64encode((icons / "ombrix-32.png").read_bytes()).decode()
    caption_icon = "data:image/svg+xml;base64," + base64.b64encode((icons / "ombrix.svg").read_bytes()).decode()
    style_text = "\n" + style
    scripts = [inline_script(page_script), inline_script(read(script / "ombrix-script.js"))]
    single_head = (f'<link rel="icon" href="{icon}" sizes="32x32" type="image/png">\n'
                   f"<style>{style_text}</style>")
    single_scripts = "\n".join(f"<script>{text}</script>" for text in scripts)
    single_policy = policy(" ".join(map(source_hash, [first_paint] + scripts)), source_hash(style_text), "data:",
                           wasm=False)
    single = output / "Ombrix.html"
    single.write_text(page(template, "", single_head, caption_icon, first_paint, single_scripts, single_policy),
                      encoding="utf-8")

    archive = output / f"Ombrix-{version}-web.zip"
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as zip_file:
        for name in ["Ombrix.html"] + [f"site/{name}" for name in sorted(files + ["sw.js"])]:
            info = zipfile.ZipInfo(f"Ombrix-{version}-web/{name}", ZIP_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            zip_file.writestr(info, (output / name).read_bytes())


if __name__ == "__main__":
    if len(sys.argv) != 8:
        sys.exit(__doc__)
    main(*sys.argv[1:])
