#!/usr/bin/env python3
"""bmp_to_png.py BMP PNG: converts a screenshot taken as BMP into PNG."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from png_file import read_bmp, write_png  # noqa: E402


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: bmp_to_png.py BMP PNG")
    width, height, rows = read_bmp(sys.argv[1])
    write_png(sys.argv[2], width, height, rows, alpha=False)


if __name__ == "__main__":
    main()
