# Four toolbar bitmaps and a GIF: see bitmaps_art.sh.
source "$(dirname "$0")/bitmaps_art.sh"
