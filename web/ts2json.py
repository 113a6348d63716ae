#!/usr/bin/env python3
"""Converts a translation (translations/orbelune_<code>.ts) into what the browser edition loads:
a JSON object mapping "context\\u0004source" to each finished translation.

    ts2json.py IN.ts OUT.json
"""
import json
import sys
import xml.etree.ElementTree as ET

words = {}
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    name = context.findtext("name", "")
    for message in context.iter("message"):
        translation = message.find("translation")
        if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
            continue
        if translation.text:
            words[name + "\u0004" + (message.findtext("source") or "")] = translation.text
with open(sys.argv[2], "w", encoding="utf-8") as out:
    json.dump(words, out, ensure_ascii=False, sort_keys=True, indent=0)
    out.write("\n")
