#!/usr/bin/env python3
"""Cuts the seed corpora of the fuzz targets out of the bundled offline site.

    make_seeds.py SITE_DIR OUT_DIR

writes OUT_DIR/search, OUT_DIR/load and OUT_DIR/text, one file per seed, in the input
layout each target reads (see the comment at the top of each *_fuzzer.cpp): every search
of EXPECTED.md with its search page and the artist pages it downloads, every text and
karaoke page, and the markup the text helpers meet on those pages.
"""
import hashlib
import os
import re
import sys

SEPARATOR = b"\x1e"


def read_index(site):
    pages = {}
    with open(os.path.join(site, "index.tsv"), encoding="utf-8") as index:
        for line in index:
            line = line.rstrip("\r\n")
            if not line or line.startswith("#") or "\t" not in line:
                continue
            address, path = line.split("\t", 1)
            pages[address] = os.path.join(site, path)
    return pages


def read(path):
    with open(path, "rb") as page:
        return page.read()


def write(directory, content):
    os.makedirs(directory, exist_ok=True)
    name = hashlib.sha1(content).hexdigest()
    with open(os.path.join(directory, name), "wb") as seed:
        seed.write(content)


def search_seeds(site, pages):
    """Artist, title, search page and artist pages of every search the site expects."""
    with open(os.path.join(site, "EXPECTED.md"), encoding="utf-8") as expected:
        text = expected.read()
    for block in re.split(r"^### ", text, flags=re.M)[1:]:
        heading = re.match(r'Artist "(.*)", title "(.*)"', block)
        address = re.search(r"Search address: `([^`]*)`", block)
        if not heading or not address or address.group(1) not in pages:
            continue
        downloads = re.search(r"Artist pages downloaded, in order: (.*)", block)
        artist_pages = re.findall(r"`([^`]*)`", downloads.group(1)) if downloads else []
        pieces = [heading.group(1).encode(), heading.group(2).encode(), read(pages[address.group(1)])]
        pieces += [read(pages[page]) for page in artist_pages if page in pages]
        yield SEPARATOR.join(pieces)


def lyric_pages(pages):
    for address, path in sorted(set(pages.items())):
        if address.startswith("/karaoke/"):
            yield b"\x01", read(path)
        elif address.startswith("/texty-pisni/"):
            yield b"\x00", read(path)


def text_seeds(pages):
    """Each helper on pieces of the site's markup, with the markers the scrapers use."""
    small = [content for _, content in lyric_pages(pages)][:6]
    snippets = set()
    for content in small:
        for match in re.finditer(rb'<p class="text">.*?</p>|<div class="authors.*?</div>|var syltG.*?\);', content, re.S):
            snippets.add(match.group(0)[:2048])
    for snippet in sorted(snippets):
        yield b"\x00" + SEPARATOR.join([snippet, b"\x00", b"<p class=\"text\">", b"</p>"])
        yield b"\x01" + snippet
        yield b"\x02" + snippet
        yield b"\x03" + SEPARATOR.join([snippet, b"<br />", b""])
        yield b"\x04" + SEPARATOR.join([snippet, b"\n\n", b"\r\n"])
        yield b"\x04" + SEPARATOR.join([snippet, b"  ", b" "])
        yield b"\x05" + SEPARATOR.join([b"https://x/search?q=", snippet[:64]])
        yield b"\x06" + SEPARATOR.join([snippet, b"<br />"])
    yield b"\x07" + bytes(range(8))


def main():
    site, out = sys.argv[1], sys.argv[2]
    pages = read_index(site)
    for seed in search_seeds(site, pages):
        write(os.path.join(out, "search"), seed)
    seen = set()
    for kind, content in lyric_pages(pages):
        if (kind, content) not in seen:
            seen.add((kind, content))
            write(os.path.join(out, "load"), kind + content)
    for seed in text_seeds(pages):
        write(os.path.join(out, "text"), seed)


if __name__ == "__main__":
    main()
