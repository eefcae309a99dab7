# Sourced by the setups of the bitmap examples (run in WORK): bitmaps of
# the four toolbar sizes, logo.bmp in the session's current directory and
# the others under "art", beside a picture that is no bitmap.
source "$EXAMPLES/support/make_bitmap.sh"
mkdir -p art
bitmap logo.bmp 24 23
bitmap art/large_mono.bmp 24 23 1
bitmap art/small.bmp 16 15
bitmap art/small_mono.bmp 16 15 1
printf 'GIF89a' > art/logo.gif
