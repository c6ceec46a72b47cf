#!/usr/bin/env python3
"""Reads a CSV file as a spreadsheet would and prints its rows as one JSON array of arrays.

Exits with status 1 and a line on standard error when the file starts with a byte-order mark,
is not UTF-8, or does not parse as CSV.
"""
import csv
import io
import json
import sys


def main():
    with open(sys.argv[1], "rb") as source:
        data = source.read()
    if data.startswith(b"\xef\xbb\xbf"):
        sys.exit("the file starts with a byte-order mark")
    text = data.decode("utf-8")
    rows = list(csv.reader(io.StringIO(text, newline=""), strict=True))
    json.dump(rows, sys.stdout, ensure_ascii=True)


if __name__ == "__main__":
    try:
        main()
    except (UnicodeDecodeError, csv.Error) as error:
        sys.exit(str(error))
