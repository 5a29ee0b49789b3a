#!/usr/bin/env python3
"""Writes property-list test material with Python's own plistlib, a writer
independent of ours: keyed-archive projects (binary, and XML with the
"CF$UID" references) and lists of plain values.

usage: make-plists.py OUTDIR [SEGMENTS]
With SEGMENTS, writes only OUTDIR/project.plist with that many segments.
"""
import datetime
import os
import plistlib
import sys


class Wrapped:
    """A value the archive stores in a wrapper dictionary ("NS.rectval"...)."""

    def __init__(self, wrapper, text):
        self.wrapper, self.text = wrapper, text


class Reals:
    """An array object of reals."""

    def __init__(self, *values):
        self.values = values


class Archive:
    def __init__(self):
        self.objects = ["$null"]
        self.classes = {}

    def add(self, obj):
        self.objects.append(obj)
        return plistlib.UID(len(self.objects) - 1)

    def cls(self, name):
        if name not in self.classes:
            self.classes[name] = self.add({"$classname": name, "$classes": [name, "NSObject"]})
        return self.classes[name]

    def value(self, value):
        if isinstance(value, Wrapped):
            if value.wrapper == "NS.string":
                return self.add({"NS.string": value.text, "$class": self.cls("NSMutableString")})
            return self.add({value.wrapper: self.add(value.text), "$class": self.cls("NSValue")})
        if isinstance(value, Reals):
            return self.array(value.values)
        if isinstance(value, list) and value and isinstance(value[0], tuple):
            return self.dictionary(value)
        if isinstance(value, list):
            return self.array(value)
        return self.add(value)

    def dictionary(self, pairs):
        """pairs: a list of (key, value); a key may repeat."""
        keys = [self.add(key) for key, _ in pairs]
        values = [self.value(value) for _, value in pairs]
        return self.add({"NS.keys": keys, "NS.objects": values, "$class": self.cls("NSDictionary")})

    def array(self, items):
        return self.add({"NS.objects": [self.value(item) for item in items], "$class": self.cls("NSArray")})

    def root(self, reference):
        return {"$archiver": "NSKeyedArchiver", "$version": 100000, "$top": {"root": reference},
                "$objects": self.objects}


def xml_references(value):
    """XML keyed archives write each reference as {"CF$UID": n}."""
    if isinstance(value, plistlib.UID):
        return {"CF$UID": value.data}
    if isinstance(value, dict):
        return {key: xml_references(item) for key, item in value.items()}
    if isinstance(value, list):
        return [xml_references(item) for item in value]
    return value


def write(path, value, xml=False):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        if xml:
            plistlib.dump(xml_references(value), out, fmt=plistlib.FMT_XML, sort_keys=False)
        else:
            plistlib.dump(value, out, fmt=plistlib.FMT_BINARY, sort_keys=False)


def sample_segments():
    transitions = [
        [("TStart", 0.0), ("TDuration", 0.25), ("TEasingFunction", 4),
         ("TBegin", [("UserScale", "{1, 1}"), ("UserTransparency", 0.0)]),
         ("TEnd", [("UserScale", "{2, 2}")])],
        [("TStart", 0.5)],
    ]
    image = [
        ("CropCorners", Reals(1.5, "skipped", 2.5)),
        ("Type", "IMAGE"),
        ("UId", "seg-1"),
        ("TrackId", 1),
        ("RangeStart", 0.5),
        ("RangeDuration", 3.0),
        ("URL", "file:///home/user/My%20Pictures/caf%C3%A9%20%26%20more.png"),
        ("Path", "My%20Pictures"),
        ("Text", "Line one\nsays \"hi\" <b> & 'bye'\tTab\rCR"),
        ("Flip", True),
        ("Muted", False),
        ("Offset", -3),
        ("Frame", Wrapped("NS.rectval", "{{0, 0}, {640, 360}}")),
        ("Title", Wrapped("NS.string", "Ünïcode ☃ 🎬")),
        ("Anchor", Wrapped("NS.pointval", "{0.5, 0.5}")),
        ("Size", Wrapped("NS.sizeval", "{100, 50}")),
        ("Link", Wrapped("NS.relative", "https://example.org/%41")),
        ("Created", datetime.datetime(2020, 5, 17, 10, 30)),
        ("Blob", b"\x00\x01"),
        ("bad key", "left out"),
        ("Transition", [[("TStart", 0.9)]]),
        ("Transition", transitions),
    ]
    text = [
        ("Type", "TEXT"),
        ("FxGreenScreenSensitivity", 40),
        ("FxGreenScreenSmooth", 15),
        ("Colors", Reals(0.25, 2.5)),
        ("URL", "a%0Ab%01c%2"),
    ]
    return [image, text, []]


def project(segments):
    archive = Archive()
    references = [archive.dictionary(segment) for segment in segments]
    return archive.root(archive.add({"NS.objects": references, "$class": archive.cls("NSArray")}))


def properties():
    archive = Archive()
    root = archive.dictionary([("version", "2.0"), ("backgroundColor", "#ff102030"), ("frameRate", 30),
                               ("aspectRatio", 1.777778), ("fixCoverImage", False)])
    return archive.root(root)


def bench_segments(count):
    segments = []
    for i in range(count):
        segments.append([
            ("Type", "IMAGE" if i % 2 else "TEXT"), ("UId", "segment-%d" % i), ("TrackId", 1 + i % 3),
            ("RangeStart", i * 0.75), ("RangeDuration", 3.0), ("URL", "file:///media/clip%%20%d.png" % i),
            ("UserScale", Wrapped("NS.sizeval", "{0.8, 0.8}")), ("UserTranslation", Reals(0.1, -0.05)),
            ("ClrBrightness", i % 20), ("Text", "Caption <%d> & more" % i), ("Flip", i % 2 == 0),
            ("Transition", [[("TStart", 0.0), ("TDuration", 0.25), ("TEasingFunction", 4),
                             ("TBegin", [("UserScale", "{1, 1}"), ("UserTransparency", 0.0)]),
                             ("TEnd", [("UserScale", "{2, 2}"), ("UserTransparency", 1.0)])]]),
        ])
    return segments


def values():
    return {"int255": 255, "minus1": -1, "big": 2 ** 63 - 1, "real": 1.25, "date": datetime.datetime(2001, 1, 1),
            "later": datetime.datetime(2021, 3, 28, 1, 30, 15), "data": b"ABC", "utf16": "snow ☃ 🎬",
            "ascii": "plain", "array": [1, "two", 3.0, True, False], "nested": {"a": {"b": []}},
            "uid": plistlib.UID(7)}


def main():
    out = sys.argv[1]
    if len(sys.argv) > 2:
        write(os.path.join(out, "project.plist"), project(bench_segments(int(sys.argv[2]))))
        return
    for folder, xml in (("binary", False), ("xml", True)):
        write(os.path.join(out, folder, "project.plist"), project(sample_segments()), xml)
        write(os.path.join(out, folder, "properties.plist"), properties(), xml)
    write(os.path.join(out, "empty.plist"), project([]))
    no_top = project([])
    del no_top["$top"]
    write(os.path.join(out, "no-top.plist"), no_top)
    # The second segment's key refers past the end of "$objects".
    broken = project([[("Type", "TEXT")], [("Type", "TEXT")]])
    objects = broken["$objects"]
    second = objects[objects[broken["$top"]["root"].data]["NS.objects"][1].data]
    second["NS.keys"][0] = plistlib.UID(len(objects) + 5)
    write(os.path.join(out, "bad-reference.plist"), broken)
    # A wrapper whose value is the wrapper itself.
    circle = Archive()
    wrapper = circle.add({})
    circle.objects[wrapper.data]["NS.rectval"] = wrapper
    segment = circle.add({"NS.keys": [circle.add("Frame")], "NS.objects": [wrapper]})
    write(os.path.join(out, "wrapper-circle.plist"), circle.root(circle.add({"NS.objects": [segment]})))
    # Text that XML cannot hold as it is: control characters, and single-byte
    # text that is no UTF-8 (patched in, since plistlib writes only ASCII so).
    write(os.path.join(out, "controls.plist"),
          project([[("Type", "TEXT"), ("Text", "Page\x0cbreak \x01here"), ("Title", "cafX!")]]))
    with open(os.path.join(out, "controls.plist"), "r+b") as controls:
        patched = controls.read().replace(b"cafX!", b"caf\xe9!")
        controls.seek(0)
        controls.write(patched)
    write(os.path.join(out, "values.plist"), values())
    xml_values = values()
    del xml_values["uid"]
    write(os.path.join(out, "values.xml.plist"), xml_values, xml=True)


if __name__ == "__main__":
    main()
