# Sourced by the setups of the bitmap examples (run in WORK): bitmaps of
# the four toolbar sizes, logo.bmp in the session's current directory and
# the others under "art", beside a picture that is no bitmap.
bitmap() {
  python3 - "$@" <<'PY'
import struct, sys
path, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
pixels = bytes(((width * 3 + 3) & ~3) * height)
header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(path, 'wb').write(header + info + pixels)
PY
}
mkdir -p art
bitmap logo.bmp 24 23
bitmap art/large_mono.bmp 24 23
bitmap art/small.bmp 16 15
bitmap art/small_mono.bmp 16 15
printf 'GIF89a' > art/logo.gif
