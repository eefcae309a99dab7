# A toolbar bitmap for the custom-bitmap step.
source "$EXAMPLES/support/make_bitmap.sh"
bitmap lc.bmp 24 23
