# Read by cpack before it packs: the package's files and members take the build's time.
set(ENV{SOURCE_DATE_EPOCH} "${CPACK_VORNELLE_SOURCE_DATE_EPOCH}")
