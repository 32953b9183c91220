#!/usr/bin/env python3
"""Write data/warning.wav, the client's warning sound.

A short two-tone alarm: four 75 ms beeps alternating between 880 Hz and
1320 Hz, 0.3 s in all, 16-bit mono PCM at 22050 Hz.  Each beep fades in and
out over 5 ms so that it does not click, and the peak stays at 70 % of full
scale.

Standard library only:  python3 tools/make_sound.py
"""

import math
import os
import struct
import wave

RATE = 22050
TONES = (880.0, 1320.0, 880.0, 1320.0)
BEEP = 0.075        # seconds per tone
FADE = 0.005        # seconds of fade at each end of a tone
PEAK = 0.70         # of full scale


def samples():
    n = int(round(BEEP * RATE))
    fade = int(round(FADE * RATE))
    for freq in TONES:
        for i in range(n):
            env = min(1.0, i / fade, (n - 1 - i) / fade)
            yield PEAK * env * math.sin(2 * math.pi * freq * i / RATE)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, "..", "data", "warning.wav")
    frames = b"".join(struct.pack("<h", int(round(s * 32767)))
                      for s in samples())
    with wave.open(target, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    print("wrote %s: %.3f s" % (os.path.normpath(target),
                                len(frames) / 2 / RATE))


if __name__ == "__main__":
    main()
