#!/usr/bin/env python3
"""Reads the batch's output back with Python's own json and csv modules.

  batch_check.py digest LINES.jsonl
      One SHA-256 over every line's object without its aspects' applying flags, each
      object written again by Python (keys sorted, numbers in Python's shortest form): the
      same for two outputs exactly when they hold the same values, double for double,
      whatever digits each printed.
  batch_check.py csv LINES.jsonl TABLE.csv
      Compares the CSV table with the JSON lines of the same rows, value by value.
      Prints what differs; silent when nothing does.
"""
import csv
import hashlib
import json
import sys

BODIES = ["sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "uranus",
          "neptune", "pluto"]


def digest(path):
    sha = hashlib.sha256()
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            row = json.loads(line)
            for aspect in row.get("aspects", []):
                del aspect["applying"]
            sha.update(json.dumps(row, sort_keys=True, ensure_ascii=False).encode("utf-8"))
    print(sha.hexdigest())


def expected_record(row):
    if "error" in row:
        return {"line": str(row["line"]), "error": row["error"]}
    record = {
        "name": row["name"],
        "universal_time": row["universal_time"],
        "positions": row["positions"],
        "zone_index": row["zone"]["index"],
        "zone_name": row["zone"]["name"],
        "zone_offset_minutes": row["zone"]["offset_minutes"],
        "zone_dst": row["zone"]["dst"],
        "asc": row["angles"]["asc"],
        "asc_sign": row["bodies"][10]["sign"],
        "mc": row["angles"]["mc"],
        "north_node": row["nodes"]["north"],
        "south_node": row["nodes"]["south"],
        "nodes": row["nodes"]["kind"],
        "patterns": "; ".join(row["patterns"]),
        "pattern_by_degrees": row["pattern_by_degrees"]["name"],
        "leading": "; ".join(row["pattern_by_degrees"]["leading"]),
        "error": "",
    }
    for name, body in zip(BODIES, row["bodies"]):
        record[name + "_longitude"] = body["longitude"]
        record[name + "_sign"] = body["sign"]
        record[name + "_retrograde"] = body["retrograde"]
        record[name + "_house"] = body["house"]
    return record


def read_back(text, like):
    """The CSV text as the JSON value it stands for."""
    if isinstance(like, bool):
        return {"true": True, "false": False}.get(text, text)
    if isinstance(like, int):
        return int(text)
    if isinstance(like, float):
        return float(text)
    return text


def compare_csv(jsonl_path, csv_path):
    with open(jsonl_path, encoding="utf-8") as lines:
        rows = [json.loads(line) for line in lines]
    with open(csv_path, encoding="utf-8", newline="") as table:
        records = list(csv.DictReader(table))
    if len(records) != len(rows):
        print(f"{len(records)} records for {len(rows)} lines")
        return
    for number, (row, record) in enumerate(zip(rows, records), start=1):
        expected = expected_record(row)
        if "error" in row:
            filled = {k: v for k, v in record.items() if v != ""}
            if filled != expected:
                print(f"record {number}: {filled} for {expected}")
            continue
        for column, value in expected.items():
            if read_back(record[column], value) != value:
                print(f"record {number}, {column}: {record[column]!r} for {value!r}")


if __name__ == "__main__":
    if sys.argv[1] == "digest":
        digest(sys.argv[2])
    else:
        compare_csv(sys.argv[2], sys.argv[3])
