# Sourced by the scripts that make release files: the time that Qt's
# resources and the packages carry, and so their bytes, is the last commit's
# unless the caller names another (as Debian's builders do). Two builds of
# the same commit then give the same files.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || SOURCE_DATE_EPOCH=0
    export SOURCE_DATE_EPOCH
fi
