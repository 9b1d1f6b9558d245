#!/usr/bin/env bash
# Refreshes the reference corpus kept in the repository (tests/data/gdi-reference) from the
# copy it comes from (../shared/gdi-reference by default): scripts and step hashes as they are,
# each expected image as a PNG (the colours only; a pixel word's top byte carries none), and the
# strips of step pictures of the randomised cases. Run it when the corpus changes.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=${1:-../shared/gdi-reference}
target_dir=tests/data/gdi-reference
[[ -d "$source_dir/cases" ]] || { echo "refresh-gdi-reference: no corpus in $source_dir" >&2; exit 1; }

for set in cases random; do
  [[ -d "$source_dir/$set" ]] || continue
  rm -rf "${target_dir:?}/$set"
  mkdir -p "$target_dir/$set"
  cp "$source_dir/$set"/*.ops "$source_dir/$set"/*.steps "$target_dir/$set/"
  if compgen -G "$source_dir/$set/*.steps.png" >/dev/null; then
    cp "$source_dir/$set"/*.steps.png "$target_dir/$set/"
  fi
done

/usr/bin/python3 - "$source_dir" "$target_dir" <<'PY'
import glob, os, sys
from PIL import Image

source_dir, target_dir = sys.argv[1], sys.argv[2]
count = 0
for px in sorted(glob.glob(os.path.join(source_dir, "*", "*.px"))):
    with open(px, "rb") as f:
        data = f.read()
    header, _, words = data.partition(b"\n")
    magic, width, height = header.split()
    assert magic == b"KPX1", px
    width, height = int(width), int(height)
    assert len(words) == 4 * width * height, px
    rgb = bytearray(3 * width * height)
    for i in range(width * height):
        b, g, r = words[4 * i], words[4 * i + 1], words[4 * i + 2]
        rgb[3 * i:3 * i + 3] = bytes((r, g, b))
    out = os.path.join(target_dir, os.path.basename(os.path.dirname(px)),
                       os.path.basename(px)[:-3] + ".png")
    Image.frombytes("RGB", (width, height), bytes(rgb)).save(out, optimize=True)
    count += 1
print("refresh-gdi-reference: %d expected images written under %s" % (count, target_dir))
PY
