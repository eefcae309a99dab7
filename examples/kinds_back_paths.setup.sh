# A toolbar bitmap for the custom-bitmap step.
printf 'BM' > lc.bmp
