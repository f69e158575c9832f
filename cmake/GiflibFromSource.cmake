# giflib's decoder compiled from its source folder (QV_GIFLIB_SOURCE) in place of
# the system library, so a build can instrument it: the fuzz build gives it the
# coverage marks libFuzzer steers by. scripts/fuzz fetches the source of the
# Debian package the game otherwise links.
enable_language(C)
add_library(qvgiflib STATIC
  ${QV_GIFLIB_SOURCE}/dgif_lib.c
  ${QV_GIFLIB_SOURCE}/gif_err.c
  ${QV_GIFLIB_SOURCE}/gifalloc.c
  ${QV_GIFLIB_SOURCE}/openbsd-reallocarray.c
)
target_include_directories(qvgiflib SYSTEM PUBLIC ${QV_GIFLIB_SOURCE})
# Its own warnings are not ours to mend.
target_compile_options(qvgiflib PRIVATE -w)
add_library(GIF::GIF ALIAS qvgiflib)
