#!/bin/sh
# Makes the spoken words of voice navigation, data/voice/<word>.wav, with
# espeak-ng (Debian package espeak-ng): 16-bit mono wave files of about a second
# each. An operator's own recording of the same name in the working directory is
# played instead.
#
#   tools/make-voice-words.sh [output folder]   (default: data/voice)
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$here/data/voice"}
voice=en-us
speed=170

command -v espeak-ng >/dev/null || {
    echo "espeak-ng is needed: apt-get install espeak-ng" >&2
    exit 1
}
mkdir -p "$out"

# file name (without .wav) and the text spoken
while IFS='|' read -r word text; do
    [ -n "$word" ] || continue
    espeak-ng -v "$voice" -s "$speed" -w "$out/$word.wav" "$text"
done <<'WORDS'
Call|Call
SPC|S P C
Class|Class
RstSnt|R S T sent
Name|Name
Dupe|Dupe
NavDis|navigation off
NavEn|navigation on
WORDS

# Every file must be a plain PCM wave: 16-bit samples, one channel, short.
python3 - "$out" <<'PY'
import sys, wave, pathlib
bad = False
for path in sorted(pathlib.Path(sys.argv[1]).glob("*.wav")):
    with wave.open(str(path)) as w:
        seconds = w.getnframes() / w.getframerate()
        ok = w.getsampwidth() == 2 and w.getnchannels() == 1 and 0.1 < seconds < 3.0
        print(f"{path.name}: {w.getframerate()} Hz, {8 * w.getsampwidth()}-bit, "
              f"{w.getnchannels()} channel(s), {seconds:.2f} s{'' if ok else '  <- WRONG'}")
        bad |= not ok
sys.exit(1 if bad else 0)
PY
