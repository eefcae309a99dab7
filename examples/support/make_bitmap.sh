# Sourced by example setups: bitmap PATH WIDTH HEIGHT [BITS] writes a blank
# Windows bitmap, 24 bits per pixel unless BITS says 1 (two-colour palette).
bitmap() {
  python3 - "$@" <<'PY'
import struct, sys
path, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
bits = int(sys.argv[4]) if len(sys.argv) > 4 else 24
palette = b'\0\0\0\0\xff\xff\xff\0' if bits == 1 else b''
pixels = bytes(((width * bits + 31) // 32 * 4) * height)
offset = 54 + len(palette)
header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(pixels), 2835, 2835, 0, 0)
open(path, 'wb').write(header + info + palette + pixels)
PY
}
