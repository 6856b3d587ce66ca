# Sourced by the set-up scripts. Reads the machine's own apt configuration to
# find the Debian archive it installs from, so that any entry we add (source
# packages, the backports suite) follows the same mirror and key and no host
# name is written down anywhere in the project.
#
#   archive_codename             e.g. bookworm
#   archive_field URIs|Signed-By the value of the archive's deb entry

archive_codename() {
    . /etc/os-release
    echo "$VERSION_CODENAME"
}

# The first "deb" entry whose suites include the release itself (not its
# -security or -updates companions), in deb822 or one-line form.
archive_field() {
    local field=$1 codename
    codename=$(archive_codename)
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f "$file" ]] || continue
        awk -v want="$field" -v codename="$codename" '
            function flush() {
                if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " codename " ") && value[want] != "") {
                    split(value[want], first, " "); print first[1]; found = 1; exit
                }
                types = ""; suites = ""; delete value
            }
            /^[ \t]*$/ { flush(); next }
            /^#/ { next }
            {
                key = $1; sub(/:$/, "", key)
                line = $0; sub(/^[^:]*:[ \t]*/, "", line)
                if (key == "Types") types = line
                else if (key == "Suites") suites = line
                value[key] = line
            }
            END { if (!found) flush() }
        ' "$file"
    done | head -n 1 | grep . && return 0
    # One-line form: deb [signed-by=KEY] URI SUITE COMPONENTS...
    local list
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f "$list" ]] || continue
        awk -v want="$field" -v codename="$codename" '
            $1 != "deb" { next }
            {
                options = ""; i = 2
                if ($2 ~ /^\[/) { while ($i !~ /\]$/) { options = options " " $i; i++ } options = options " " $i; i++ }
                if ($(i + 1) != codename) next
                if (want == "URIs") { print $i; exit }
                if (want == "Signed-By" && match(options, /signed-by=[^] ]+/)) {
                    print substr(options, RSTART + 10, RLENGTH - 10); exit
                }
            }
        ' "$list"
    done | head -n 1 | grep .
}
