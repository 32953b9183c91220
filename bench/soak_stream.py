#!/usr/bin/python3
"""Writes a soak run for quorlak-replay: part files of server data and a
script that delivers them one by one with player and clock events between.

The data mixes a real game session (the reference stream) with what a broken
or hostile server could send: megabytes without a separator, enormous
numbers, every record code with broken arguments, floods of message and
encounter lines, very long lines and deep pauses. The script lets the clock
run past every pause of a part before the next part arrives, so data only
waits as long as a window would make it wait.

Standard library only. Usage:
  soak_stream.py --out DIR --size-mb N [--reference FILE] [--seed S] [--part-mb M]
"""

import argparse
import json
import os
import random

SEP = b"\x1f"
CODES = [b"cs", b"pz", b"pv", b"lc", b"ps", b"ln", b"bx", b"fx", b"cr", b"ce", b"pt", b"po", b"cl", b"bs",
         b"cu", b"cd", b"cw", b"clcu", b"zz", b"", b"p", b" \rpt", b"\r pt"]
BROKEN_ARGS = [b"", b"(", b")", b"()", b"(,)", b"(,,,,,,)", b"-", b"--", b"(1", b"1,", b",1", b"(a,b)-(c,d)",
               b"(1,2)-", b"'", b"\"", b"'unterminated", b"XX", b"XXX", b"&H", b"&HFFFFFFFF", b"&O777777777",
               b"1e", b"1e+", b".", b"..", b"1.2.3,4.5.6", b"\r", b"\t\n", b"(\t1\n,\t2)", b"00",
               b"(65535,65535)-(65536,-1)", b"(1,2),(3,4),(5,6),(7,8),(9,10)", b"\x00\x01\x02", b"\xff\xfe\x80"]
HUGE_ARGS = [b"(99999999999999999999,5)", b"(1E400,1E400)", b"(-1E400,5)", b"(32767,32767)-(32767,32767)",
             b"(32768,0)", b"(1E308,1E308)-(1E308,1E308)", b"(5,5),1E300", b"(256,256),32767",
             b"(0,0)-(32767,32767)", b"1D300,2,3,4", b"(" + b"9" * 5000 + b",1)", b"&HFFFFFFFFFFFFFFFFFFFF",
             b"-0,-0", b"(0.5,1.5)-(2.5,3.5)", b"(NaN,inf)", b"(" + b" " * 3000 + b"7,8)"]
CUSTOM_CHARACTER = b"cd01 " + (b"1" * 16 * 33)


def record(code, arg=b""):
    return code + arg + SEP


def rng_bytes(rng, n, allow_separator=False):
    data = bytearray(rng.getrandbits(8) for _ in range(min(n, 4096)))
    while len(data) < n:
        data += data[: n - len(data)]
    if not allow_separator:
        data = data.replace(SEP, b"\x1e")
    return bytes(data[:n])


class Mixer:
    def __init__(self, rng, reference, total_bytes):
        self.rng = rng
        self.reference = reference
        self.ref_pos = 0
        self.line_no = 0
        # About a million message lines in 200 MB, fewer in a smaller run.
        self.message_lines_left = max(20000, int(1_000_000 * total_bytes / (200 << 20)))
        self.message_lines_made = 0
        self.pause_ms = 0

    def realistic(self, n):
        if not self.reference:
            return self.synthetic_session(n)
        out = bytearray()
        while len(out) < n:
            take = self.reference[self.ref_pos: self.ref_pos + n - len(out)]
            out += take
            self.ref_pos = (self.ref_pos + len(take)) % len(self.reference)
        return bytes(out)

    def synthetic_session(self, n):
        # Without the stand-in server's stream: a screen's worth of typical records.
        out = bytearray(record(b"cs") + record(CUSTOM_CHARACTER))
        while len(out) < n:
            y = self.rng.randrange(0, 440, 15)
            out += record(b"lc", b"(%d,%d)" % (self.rng.randrange(0, 500), y))
            out += record(b"pt", b"\"Health:  %d/30\"" % self.rng.randrange(40))
            out += record(b"ps", b"(%d,%d)" % (self.rng.randrange(512), self.rng.randrange(512)))
            out += record(b"cr", b"(0,200)-(169,438)")
        return bytes(out)

    def message_lines(self, count):
        out = bytearray()
        for _ in range(min(count, self.message_lines_left)):
            self.line_no += 1
            n = self.line_no
            if n % 5 == 0:
                out += b"lc(8,488)\x1fpt' 'Ann says: meet me at the shrine, round %d'\x1f" % n
            elif n % 5 == 1:
                out += b"lc(8,472)\x1fpt' G Ann                   the vault door is open %d'\x1f" % n
            elif n % 5 == 2:
                out += b"lc(8,456)\x1fpt' P Bob                   you were robbed %d'\x1f" % n
            elif n % 5 == 3:
                out += b"lc(8,488)\x1fpt'                         Treasure chest %d'\x1f" % n
            else:
                out += b"lc(8,472)\x1fpt' The ice cracks under your feet (%d)'\x1f" % n
        self.message_lines_made += min(count, self.message_lines_left)
        self.message_lines_left -= min(count, self.message_lines_left)
        return bytes(out)

    def no_separator(self):
        # Past the framer's bound on an unfinished record: dropped whole.
        return rng_bytes(self.rng, self.rng.randrange(1 << 20, 3 << 20)) + SEP

    def enormous_numbers(self):
        out = bytearray()
        for code in CODES:
            for arg in HUGE_ARGS:
                out += record(code, arg)
        for text in (b"pz1E999", b"pz-1E999", b"pz32768", b"bs1E308", b"bs-1E308", b"cw32767", b"cw-32768",
                     b"cw&HFFFF", b"cd99999", b"cd-1", b"cu(1,2)-(3,99999)", b"cu(1,2)-(3,32767)"):
            out += record(text)
        return bytes(out)

    def broken_records(self):
        out = bytearray()
        for code in CODES:
            for arg in BROKEN_ARGS:
                out += record(code, arg)
            out += record(code, rng_bytes(self.rng, self.rng.randrange(1, 200)))
        out += SEP * 1000  # empty records
        return bytes(out)

    def long_lines(self):
        # Text far longer than the display, in every band, and one huge message row.
        out = bytearray()
        for y in (8, 100, 150, 210, 300, 445, 470, 490):
            for x in (0, 176, 500, 30000):
                out += record(b"lc", b"(%d,%d)" % (x, y))
                out += record(self.rng.choice([b"pt", b"po"]), b"'" + rng_bytes(self.rng, 20000) + b"'")
        out += record(b"lc", b"(8,488)") + record(b"pt", b"' G " + b"x" * 300000 + b"'")
        return bytes(out)

    def long_message_lines(self, count):
        # Each line far above a normal one: the grid's byte bound, not its row bound, applies.
        out = bytearray()
        for _ in range(count):
            self.line_no += 1
            out += b"lc(8,472)\x1fpt' G Ann  %d " % self.line_no + b"long message text " * 300 + b"'\x1f"
        return bytes(out)

    def encounter_flood(self, count):
        # An encounter starts the log; every band line then goes into it.
        out = bytearray(record(b"lc", b"(16,100)") + record(b"cw22"))
        for i in range(count):
            self.line_no += 1
            slot = self.line_no % 6
            out += b"lc(16,%d)\x1fpt'%d The Ice Troll strikes Joe for 7, blow %d, 2 users'\x1f" % (
                128 + 16 * (i % 2), slot, self.line_no)
            if i % 50 == 0:
                out += record(b"ln", b"(20,130)-(90,130)")
        out += record(b"cr", b"(221,100)-(300,120)")  # the encounter ends
        return bytes(out)

    def pauses(self):
        out = bytearray()
        for ms in (32767, 0, 1, 500, 32767, 12000):
            out += record(b"pz", b"%d" % ms) + record(b"lc", b"(5,5)")
            self.pause_ms += ms + 1
        out += record(b"pz", b"-5") + record(b"pz", b"abc") + record(b"pz", b" 2 0")
        self.pause_ms += 1 + 20 + 3
        out += record(b"pz", b"1") * 2000  # many small pauses in a row
        self.pause_ms += 2000 * 2
        return bytes(out)

    def item_marks(self):
        # Numbered list lines then small boxes, with item numbers out of range too.
        out = bytearray()
        for n in (1, 50, 98, 99, 200, 32767, 0, -1):
            out += record(b"lc", b"(176,%d)" % (208 + (abs(n) % 14) * 15))
            out += record(b"pt", b"'%d  a frost sword'" % n)
            out += record(b"fx", b"(180,%d)-(185,%d)" % (210 + abs(n) % 200, 215 + abs(n) % 200))
        return bytes(out)


def write_run(out_dir, total_bytes, part_bytes, reference, seed):
    rng = random.Random(seed)
    mixer = Mixer(rng, reference, total_bytes)
    script = []
    written = 0
    part_no = 0
    hostile = [("broken records", mixer.broken_records), ("enormous numbers", mixer.enormous_numbers),
               ("pauses", mixer.pauses), ("item marks", mixer.item_marks),
               ("encounter lines", lambda: mixer.encounter_flood(20000)), ("long lines", mixer.long_lines),
               ("long message lines", lambda: mixer.long_message_lines(500)),
               ("no separator", mixer.no_separator)]
    made = {}
    hostile_turn = 0

    def add(part, kind, data):
        made[kind] = made.get(kind, 0) + len(data)
        part += data

    while written < total_bytes:
        part = bytearray()
        if part_no == 0:
            part += record(b"cs") + record(CUSTOM_CHARACTER)  # the game screen begins
        mixer.pause_ms = 0
        while len(part) < min(part_bytes, total_bytes - written):
            roll = rng.random()
            if roll < 0.45:
                add(part, "game session", mixer.realistic(rng.randrange(256 << 10, 1 << 20)))
            elif roll < 0.75 and mixer.message_lines_left > 0:
                add(part, "message lines", mixer.message_lines(rng.randrange(5000, 20000)))
            else:
                # Every hostile kind in turn, so that even a short run has each one.
                kind, make = hostile[hostile_turn % len(hostile)]
                hostile_turn += 1
                add(part, kind, make())
        name = "part-%04d.bin" % part_no
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(part)
        written += len(part)
        part_no += 1

        script.append({"recv_file": name})
        # Time enough for every pause in the part, with the keep-alive ticking.
        script.append({"advance": mixer.pause_ms + 70000})
        script.extend(player_events(rng, part_no))
    with open(os.path.join(out_dir, "script.jsonl"), "w") as f:
        for event in script:
            f.write(json.dumps(event) + "\n")
    made["message line count"] = mixer.message_lines_made
    return written, part_no, made


def player_events(rng, part_no):
    """What a player might do between two parts, including the odd and the extreme."""
    events = [
        {"keydown": rng.choice([37, 38, 39, 40, 13, 118, 116]), "mask": 0},
        {"keydown": 65, "mask": 1, "char": 65},
        {"mousedown": "griditems", "button": rng.choice([1, 2]), "y": rng.randrange(0, 30000)},
        {"select": "gridmess", "row": rng.choice([0, 5, 99999, 2 ** 53])},
        {"select": "griditems", "row": rng.randrange(0, 98)},
        {"scroll": "griditems", "toprow": rng.randrange(0, 98)},
        {"tab": rng.randrange(1, 7)},
        {"mousemove": "griditems", "y": rng.randrange(0, 2147483647)},
        {"mousemove": "form"},
        {"broadcast_in": rng.randrange(0, 256)},
    ]
    if part_no % 3 == 0:
        events.append({"menu": rng.choice(["mnutextbox", "mnuviewlog", "mnuSpell", "mnuUse", "mnugive",
                                           "mnuXchange", "mnuBank"])})
        events.append({"settext": "U3" * rng.randrange(1, 50)})
        events.append({"keydown": 13, "mask": 0})
    if part_no % 5 == 0:
        events.append({"resize": rng.choice([[0, 0], [1, 1], [32767, 32767], [640, 480], [512, 512]])})
        events.append({"clipboard": "go north " * 200})
        events.append({"keydown": 86, "mask": 2})
    if part_no % 7 == 0:
        # Frozen for a moment: what arrives meanwhile is thrown away.
        events.append({"dblclick": True})
        events.append({"recv": "cs\u001flc(1,2)\u001f"})
        events.append({"dblclick": True})
    if part_no % 11 == 0:
        events.append({"connection": "closed"})
        events.append({"keydown": 40, "mask": 0})
        events.append({"connection": "open"})
    events.append({"advance": 1000})
    return events


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", required=True)
    parser.add_argument("--size-mb", type=float, required=True)
    parser.add_argument("--reference")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--part-mb", type=float, default=4)
    args = parser.parse_args()
    reference = b""
    if args.reference:
        with open(args.reference, "rb") as f:
            reference = f.read()
    os.makedirs(args.out, exist_ok=True)
    written, parts, made = write_run(args.out, int(args.size_mb * (1 << 20)), int(args.part_mb * (1 << 20)),
                                     reference, args.seed)
    lines = made.pop("message line count")
    print(json.dumps({"bytes": written, "parts": parts, "message lines": lines,
                      "MB by kind": {k: round(v / (1 << 20), 1) for k, v in sorted(made.items())}}))


if __name__ == "__main__":
    main()
