#!/usr/bin/env python3
"""Draws the built-in contact photo, the sample photo of the colour dialogs
and the application icon.

Run from anywhere: python3 res/make-images.py (needs Debian's python3-pil).
Writes res/default-photo.jpg (64 x 64 baseline JPEG), res/sample-photo.bmp
(48 x 48, 24 bits per pixel) and res/skylet.ico.
"""
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))


def silhouette(size):
    """A neutral head-and-shoulders silhouette on a soft blue-grey ground."""
    scale = 4  # drawn large and reduced, for smooth edges
    big = size * scale
    image = Image.new("RGB", (big, big), (196, 208, 222))
    draw = ImageDraw.Draw(image)
    for y in range(big):  # a gentle vertical gradient
        shade = int(222 - 30 * y / big)
        draw.line([(0, y), (big, y)], fill=(shade - 26, shade - 14, shade))
    figure = (112, 124, 142)
    head = big * 0.19
    cx, cy = big / 2, big * 0.38
    draw.ellipse([cx - head, cy - head, cx + head, cy + head], fill=figure)
    shoulders = big * 0.36
    draw.ellipse([cx - shoulders, big * 0.62, cx + shoulders, big * 1.25], fill=figure)
    return image.resize((size, size), Image.LANCZOS)


def sample_photo(size):
    """A smiling person in a blue shirt against a pale sky, the contact whose
    frames the colour dialogs preview."""
    scale = 4
    big = size * scale
    image = Image.new("RGB", (big, big))
    draw = ImageDraw.Draw(image)
    for y in range(big):  # sky, lighter towards the horizon
        t = y / big
        draw.line([(0, y), (big, y)], fill=(int(150 + 90 * t), int(200 + 45 * t), 250))
    cx = big / 2
    draw.ellipse([cx - big * 0.4, big * 0.68, cx + big * 0.4, big * 1.3], fill=(40, 90, 170))
    draw.rectangle([cx - big * 0.07, big * 0.56, cx + big * 0.07, big * 0.72], fill=(236, 188, 150))
    head = big * 0.2
    cy = big * 0.42
    draw.ellipse([cx - head * 1.05, cy - head * 1.15, cx + head * 1.05, cy + head * 0.4],
                 fill=(92, 58, 30))  # hair
    draw.ellipse([cx - head, cy - head, cx + head, cy + head], fill=(240, 196, 160))
    eye = big * 0.025
    for ex in (cx - head * 0.4, cx + head * 0.4):
        draw.ellipse([ex - eye, cy - eye * 1.5, ex + eye, cy + eye * 0.5], fill=(40, 30, 20))
    draw.arc([cx - head * 0.5, cy - head * 0.1, cx + head * 0.5, cy + head * 0.6], 20, 160,
             fill=(170, 60, 60), width=int(big * 0.02))
    return image.resize((size, size), Image.LANCZOS)


def icon():
    """A speech bubble with a small window in it."""
    images = []
    for size in (16, 32, 48):
        scale = 8
        big = size * scale
        image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
        draw = ImageDraw.Draw(image)
        m = big * 0.06
        draw.rounded_rectangle([m, m, big - m, big * 0.78], radius=big * 0.18,
                               fill=(0, 150, 70, 255), outline=(0, 90, 40, 255),
                               width=int(big * 0.05))
        draw.polygon([(big * 0.22, big * 0.7), (big * 0.42, big * 0.7), (big * 0.18, big * 0.95)],
                     fill=(0, 150, 70, 255))
        w0, w1 = big * 0.3, big * 0.7
        draw.rectangle([w0, big * 0.2, w1, big * 0.58], fill=(255, 255, 255, 255))
        draw.ellipse([big * 0.43, big * 0.26, big * 0.57, big * 0.4], fill=(0, 120, 60, 255))
        draw.ellipse([big * 0.36, big * 0.42, big * 0.64, big * 0.66], fill=(0, 120, 60, 255))
        draw.rectangle([w0, big * 0.58, w1, big * 0.62], fill=(0, 150, 70, 255))
        images.append(image.resize((size, size), Image.LANCZOS))
    return images


def write_icon(path, frames):
    """An ICO of 32-bit DIB frames with AND masks, which every Windows reads."""
    entries, blobs = [], []
    offset = 6 + 16 * len(frames)
    for frame in frames:
        w, h = frame.size
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        pixels = bytearray()
        mask = bytearray()
        stride = ((w + 31) // 32) * 4
        for y in reversed(range(h)):  # bottom-up rows
            row_mask = bytearray(stride)
            for x in range(w):
                r, g, b, a = frame.getpixel((x, y))
                pixels += bytes((b, g, r, a))
                if a < 128:
                    row_mask[x // 8] |= 0x80 >> (x % 8)
            mask += row_mask
        blob = header + bytes(pixels) + bytes(mask)
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(frames)))
        out.write(b"".join(entries))
        out.write(b"".join(blobs))


def main():
    silhouette(64).save(os.path.join(HERE, "default-photo.jpg"), "JPEG", quality=92,
                        progressive=False, optimize=False)
    sample_photo(48).save(os.path.join(HERE, "sample-photo.bmp"), "BMP")
    write_icon(os.path.join(HERE, "skylet.ico"), icon())


if __name__ == "__main__":
    main()
