#!/usr/bin/env bash
# The command-line tool run as a separate process, one case at a time: its
# exit code, and text that must (or must not) appear on stdout or stderr.
#
#   tool_cases.sh TOOL EXAMPLES_DIR [RUNNER]
#
# RUNNER, when given, starts the program (scripts/wine-run for the .exe).
# Cases run in EXAMPLES_DIR with relative file names, so that both builds
# see the same paths.
set -uo pipefail
tool=$1
examples=$2
runner=${3:-}
cd "$examples" || exit 1
passed=0 failed=0
out="" err="" code=0

# run [STDIN_TEXT] -- ARGS...: runs the tool; sets out, err and code.
run() {
  local input=$1
  shift 2
  local o e
  o=$(mktemp) e=$(mktemp)
  if [ -n "$runner" ]; then
    printf '%s' "$input" | "$runner" "$tool" "$@" >"$o" 2>"$e"
  else
    printf '%s' "$input" | "$tool" "$@" >"$o" 2>"$e"
  fi
  code=$?
  out=$(cat "$o") err=$(cat "$e")
  rm -f "$o" "$e"
}

check() { # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); echo "ok   $name"
  else failed=$((failed + 1)); echo "FAIL $name"; echo "  exit $code"; echo "  stdout: ${out:0:600}"; echo "  stderr: ${err:0:600}"; fi
}
has() { [[ "$1" == *"$2"* ]]; }
lacks() { [[ "$1" != *"$2"* ]]; }
count_lines() { [ "$(printf '%s\n' "$1" | grep -c "$2")" = "$3" ]; }

# --- read: the samples in their encodings -----------------------------------
run "" -- read survey.txt --output json
check "read json: ANSI letters, titles and header fields" eval '[ $code = 0 ] &&
  has "$out" "\"texts\":[\"C:\\\\survey\\\\lipno.txt\",\"Hráz Lipno, koruna\"]" &&
  has "$out" "\"sName\":\"crest\"" && has "$out" "\"sLayer\":\"DAM\"" && has "$out" "\"hasStP\":1" &&
  has "$out" "\"sName\":\"outlet\"" && has "$out" "\"plClos\":1" && has "$out" "\"linesRead\":16"'
check "read json: text codes joined by \\u0001, .db inserted before the last point" eval '
  has "$out" "\"tc\":\"KR\\u0001PL\",\"na\":\"P3\"" &&
  has "$out" "\"na\":\"P2\"" && [[ "$out" == *"\"na\":\"P2a\""*"\"na\":\"P3\""* ]] &&
  has "$out" "{\"x\":1181215.5,\"y\":744120.25,\"z\":726.31,"'
run "" -- read survey.txt
check "read text: one block per polygon, closed outline with its .pp point first" eval '[ $code = 0 ] &&
  count_lines "$out" "^polygon " 2 && has "$out" "polygon 1: 4 points, name outlet, layer WATER, closed" &&
  has "$out" "  text: Výpust" && has "$out" "codes KR|PL" &&
  [ "$err" = "velortrdcd: format guessed: \"Y X sys=0\", lines 1-16; --format to set it" ]'
run "" -- read semicolon.txt --format "Y X Z Name sep(;) decc cmt(*)" --output csv
check "read csv: decimal commas, header row, item index first" eval '[ $code = 0 ] &&
  has "$out" "item,x,y,z,noBreak" && has "$out" "0,1181400.125,744300.5,719.8,0,0,0,,BM2," &&
  [ "$(printf "%s\n" "$out" | wc -l)" = 4 ]'
run "" -- read utf16.txt --output json
check "read json: a UTF-16 file" eval '[ $code = 0 ] && has "$out" "\"texts\":[\"Měření u přehrady\"]" &&
  has "$out" "\"na\":\"Č1\"" && has "$out" "\"na\":\"Ž2\""'
run "" -- read survey.txt --first 6 --last 8 --output json
check "read --first/--last: only the lines asked for" eval '[ $code = 0 ] &&
  has "$out" "\"linesRead\":8" && has "$out" "\"na\":\"P2\"" && has "$out" "\"na\":\"P3\"" &&
  lacks "$out" "\"na\":\"P1\""'

# --- read: unknown commands, bad lines, missing files -----------------------
run "" -- read unknown-command.txt --output csv
check "read unknown, not a terminal: skipped without asking" eval '[ $code = 0 ] &&
  [ "$(printf "%s\n" "$out" | wc -l)" = 4 ] && lacks "$err" "Unknown command"'
run "" -- read unknown-command.txt --unknown stop --output json
check "read --unknown stop: cancelled, result 2, points before kept" eval '[ $code = 2 ] &&
  has "$out" "\"result\":2" && has "$out" "\"x\":2,\"y\":1" && lacks "$out" "\"x\":4"'
run "c
" -- read unknown-command.txt --unknown ask --output csv
check "read --unknown ask: the question on stderr, answered 'c'" eval '[ $code = 2 ] &&
  has "$err" "[c]ancel reading" && has "$err" ".mark flag=7"'
run "n
" -- read unknown-command.txt --unknown ask --output csv
check "read --unknown ask: 'n' asks once and reads on" eval '[ $code = 0 ] &&
  [ "$(printf "%s\n" "$err" | grep -c "Unknown command")" = 1 ] && has "$out" "0,6,5,"'
if [ -z "$runner" ]; then
  # Natively the decode-error dialog is the stand-in: with no driver it ends
  # with its default button, OK, which skips the line and reads on.
  run "" -- read unknown-command.txt --unknown dialog --output csv
  check "read --unknown dialog: the stand-in answers OK, every unknown line skipped" eval '[ $code = 0 ] &&
    [ "$(printf "%s\n" "$out" | wc -l)" = 4 ] && has "$out" "0,6,5," && lacks "$err" "[c]ancel"'
fi
run "" -- read unknown-command.txt --unknown nonsense
check "read --unknown with an unknown mode: a usage error naming the modes" eval '[ $code = 64 ] &&
  has "$err" "ask, skip, stop, quiet or dialog"'
run "" -- read bad-line.txt
check "read a bad line: result 4, the message on stderr only" eval '[ $code = 4 ] &&
  has "$err" "abc" && lacks "$out" "abc" && has "$out" "1 points"'
run "" -- read bad-line.txt --quiet --format default
check "read --quiet: the same result without a message" eval '[ $code = 4 ] && [ -z "$err" ]'
run "" -- read no-such-file.txt --output json
check "read a missing file: exit 1, result 1" eval '[ $code = 1 ] && has "$out" "\"result\":1" && has "$err" "no-such-file.txt"'

# --- decode ---------------------------------------------------------------
run "1,5;2;x
P7;3,25;4;q;;
" -- decode --format "Name Y X sep(;) decc"
check "decode: one object a line, stop offsets in bytes, errors" eval '[ $code = 0 ] &&
  count_lines "$out" "^{\"command\":" 2 &&
  has "$out" "\"error\":4,\"stop\":6" &&
  has "$out" "\"command\":1,\"positional\":3,\"error\":0" && has "$out" "\"x\":4,\"y\":3.25" && has "$out" "\"na\":\"P7\""'
run "Bod-č 1 2
" -- decode --format "Name Y X"
check "decode: UTF-8 input read as ANSI, the record cleared between lines" eval '[ $code = 0 ] &&
  has "$out" "\"na\":\"Bod-č\"" && has "$out" "\"stop\":9"'

# --- format ---------------------------------------------------------------
run "" -- format --output json "Y X Z" "Y X Q" "X;Y"
check "format json: normal forms and the stop offset, exit 6" eval '[ $code = 6 ] &&
  has "$out" "{\"ok\":true,\"normal\":\"Y X Z cmt(; \$ ! *)\"}" && has "$out" "{\"ok\":false,\"stop\":4}" &&
  count_lines "$out" "ok" 3'
run "" -- format "y x sep(;) decc"
check "format text: the normal form" eval '[ $code = 0 ] && [ "$out" = "Y X sep(;) decc cmt(\$ ! *)" ]'

# --- eval -----------------------------------------------------------------
run "" -- eval "a := 0.1" "a + 0.2" "\"čaj\"" "1 +" "b := 2, b * a"
check "eval: variables carry, shortest numbers, texts, errors" eval '[ $code = 1 ] &&
  has "$out" "\"value\":0.30000000000000004" && has "$out" "\"status\":-1,\"value\":0,\"stop\":5,\"text\":\"čaj\"" &&
  [ "$(printf "%s\n" "$out" | sed -n 5p)" = "{\"status\":0,\"value\":0.2,\"stop\":13}" ] &&
  [ "$(printf "%s\n" "$out" | sed -n 4p | grep -c "\"status\":0")" = 0 ]'
run "" -- eval --one "b := 2, b * 3"
check "eval --one: the comma ends the expression" eval '[ $code = 0 ] && [ "$out" = "{\"status\":0,\"value\":2,\"stop\":6}" ]'
run "" -- eval --wide "\"žluť\"" "x := 4, x * x"
check "eval --wide: stop in UTF-16 units, text through the wide reader" eval '[ $code = 0 ] &&
  has "$out" "\"stop\":6,\"text\":\"žluť\"" && has "$out" "\"value\":16"'
run "" -- eval "RTOS3(-1234567.891, 0, 2)" "DEGTODMS(-0.5, 0, 1)" "max(3, 7, 5) + if(0, 1/0, 2)" "ITOS3(-123)" "PI2"
check "eval: built-in functions, number texts, lazy IF, whole-word names" eval '[ $code = 1 ] &&
  has "$out" "\"stop\":25,\"text\":\"-1 234 567.89\"" && has "$out" "\"text\":\"-0° 30´ 0´´\"" &&
  has "$out" "{\"status\":0,\"value\":9,\"stop\":28}" && has "$out" "\"text\":\"- 123\"" &&
  has "$out" "{\"status\":6,\"value\":999,\"stop\":0}"'
run "" -- eval --wide "DEGTODMS(10.5, 0, 1)" "SUBS(\"žluťoučký\", 2, 4)"
check "eval --wide: DEGTODMS signs through the code page, SUBS in UTF-16 units" eval '[ $code = 0 ] &&
  has "$out" "\"text\":\"10° 30´ 0´´\"" && has "$out" "\"text\":\"uťo\""'

# --- axes -----------------------------------------------------------------
run "" -- axes 1 10.5 -20
check "axes: FromDtmEx of the module" eval '[ $code = 0 ] && [[ "$out" == "{\"x\":"*",\"y\":"*"}" ]] &&
  has "$out" "10.5" && has "$out" "20"'

# --- paths and language (the test registry holds no product keys) ----------
run "" -- paths --output json
check "paths json: no installation key, so no ini file, and help beside the tool" eval '
  [ $code = 0 ] && has "$out" "{\"shared\":\"\",\"local\":\"\",\"help\":\"" &&
  [[ "$out" == *"bin\",\"ini\":\"\",\"language\":1}" ]]'
run "" -- paths
check "paths text: one line each" eval '[ $code = 0 ] && count_lines "$out" "	" 5 && has "$out" "language	1"'
run "" -- language --output json
check "language json: no setting is English" eval '[ $code = 0 ] && [ "$out" = "{\"setting\":\"\",\"index\":1}" ]'

# --- catalogue (an ini file of its own, never the product's) ----------------
catdir=$(mktemp -d)
ini="$catdir/terx.ini"
printf '[Other]\r\nKey=1\r\n' >"$ini"
run "" -- catalogue list --ini "$ini"
check "catalogue list: a missing section holds the built-in Standard" eval '[ $code = 0 ] &&
  [ "$out" = "Standard	Y X cmt(; \$ ! *)		plg" ]'
run "" -- catalogue put Body "y x z name sep(;) decc cmt(*)" --info "Měření" --ext "txt csv" --ini "$ini"
check "catalogue put: saved, the other section kept" eval '[ $code = 0 ] && [ -z "$err" ] &&
  grep -q "^Key=1" "$ini" && grep -q "^Body@ext=txt csv" "$ini"'
run "" -- catalogue list --ini "$ini" --output json
check "catalogue list json: sorted, Czech text, Standard keeps plg" eval '[ $code = 0 ] &&
  [ "$out" = "{\"entries\":[{\"name\":\"Body\",\"format\":\"y x z name sep(;) decc cmt(*)\",\"description\":\"Měření\",\"suffixes\":\"txt csv\"},{\"name\":\"Standard\",\"format\":\"Y X cmt(; \$ ! *)\",\"description\":\"\",\"suffixes\":\"plg\"}]}" ]'
run "" -- catalogue show BODY --ini "$ini" --output json
check "catalogue show: found without regard to case" eval '[ $code = 0 ] &&
  has "$out" "\"format\":\"y x z name sep(;) decc cmt(*)\"" && has "$out" "\"suffixes\":\"txt csv\""'
run "" -- catalogue suffix CSV --ini "$ini"
check "catalogue suffix: the entry that lists it" eval '[ $code = 0 ] && [ "$out" = "Body" ]'
run "" -- catalogue suffix xyz --ini "$ini"
check "catalogue suffix: none, exit 1" eval '[ $code = 1 ] && [ -z "$out" ] && has "$err" "xyz"'
run "" -- read semicolon.txt --by-suffix --ini "$ini" --output csv
check "read --by-suffix: the catalogue format of .txt" eval '[ $code = 0 ] &&
  has "$out" "0,1181400.125,744300.5,719.8,0,0,0,,BM2,"'
run "" -- read semicolon.txt --name standard --ini "$ini" --quiet --output json
check "read --name: the named format (Y X cannot read these lines)" eval '[ $code = 4 ] && has "$out" "\"result\":4"'
run "" -- read semicolon.txt --name Missing --ini "$ini"
check "read --name: a name not in the catalogue" eval '[ $code = 1 ] && has "$err" "no format Missing"'
run "" -- catalogue put Body "Y X" --ini "$ini"
check "catalogue put again: keeps description and suffixes" eval '[ $code = 0 ] &&
  grep -q "^Body=Y X" "$ini" && grep -q "^Body@ext=txt csv" "$ini"'
run "" -- catalogue put "a=b" "Y X" --ini "$ini"
check "catalogue put: a name the ini file cannot keep is refused" eval '[ $code = 1 ] && has "$err" "cannot be kept" &&
  ! grep -q "^a=" "$ini"'
run "" -- catalogue put Bad "Y X Q" --ini "$ini"
check "catalogue put: a format that does not read is refused, with a caret" eval '[ $code = 6 ] && has "$err" "offset 4" &&
  has "$err" "unknown field name \"Q\"" && has "$err" "      ^" &&
  ! grep -q "^Bad" "$ini"'
run "" -- catalogue put Mine "X Y" --section Own --ini "$ini"
run "" -- catalogue list --section Own --ini "$ini"
check "catalogue --section: a section of its own" eval '[ $code = 0 ] && count_lines "$out" "	" 2 && has "$out" "Mine	X Y"'
run "" -- catalogue remove body --ini "$ini"
check "catalogue remove" eval '[ $code = 0 ] && ! grep -q "^Body" "$ini" && grep -q "^Mine=X Y" "$ini"'
run "" -- catalogue remove body --ini "$ini"
check "catalogue remove: not there, exit 1" eval '[ $code = 1 ] && has "$err" "no format body"'
run "" -- catalogue put Evil "Y X" --info $'x\r\n[OtherProgram]\r\nPath=c:\\evil' --ini "$ini"
check "catalogue put: a line break in a value is refused, and said why" eval '[ $code = 1 ] &&
  has "$err" "line break" && ! grep -q "OtherProgram" "$ini" && ! grep -q "^Evil" "$ini"'
big="$catdir/big.ini"
awk 'BEGIN { printf "[SectFmtPoi]\r\n"; for (i = 0; i < 40000; i++) printf "E%05d=Y X\r\nE%05d@inf=\r\nE%05d@ext=\r\n", i, i, i }' >"$big"
cp "$big" "$big.before"
run "" -- catalogue remove E00001 --ini "$big"
check "catalogue remove: a catalogue over 32767 formats is never written back cut" eval '[ $code = 1 ] &&
  has "$err" "32767" && has "$err" "big.ini" && cmp -s "$big" "$big.before"'
cp "$ini" "$ini.before" && chmod 444 "$ini"
run "" -- catalogue put Locked "Y X" --ini "$ini"
check "catalogue put: a read-only ini file is left as it is" eval '[ $code = 1 ] &&
  has "$err" "could not be written" && cmp -s "$ini" "$ini.before"'
chmod 644 "$ini"
run "" -- catalogue detect semicolon.txt --output json
check "catalogue detect: the file's .fmt line" eval '[ $code = 0 ] &&
  [ "$out" = "{\"found\":true,\"line\":1,\"format\":\"Y X Z Name sep(;) decc cmt(*)\"}" ]'
run "" -- catalogue detect survey.txt
check "catalogue detect: no .fmt line, and no format" eval '[ $code = 0 ] && [ "$out" = "found	no" ]'
run "" -- catalogue detect no-such-file.txt
check "catalogue detect: a missing file" eval '[ $code = 1 ] && has "$err" "cannot open"'
for args in "catalogue" "catalogue frob" "catalogue show" "catalogue put A" "catalogue list x" \
            "catalogue list --info x" "catalogue list --output xml" "read survey.txt --name A --format Y" \
            "read survey.txt --ini x.ini"; do
  # shellcheck disable=SC2086
  run "" -- $args
  check "usage error: '$args' exits 64, usage on stderr only" eval '[ $code = 64 ] && [ -z "$out" ] && has "$err" "usage"'
done
rm -rf "$catdir"

# --- format-dialog (natively: the stand-in confirms what the dialog opens with)
if [ -z "$runner" ]; then
  fmtdir=$(mktemp -d)
  ini="$fmtdir/terx.ini"
  printf '[Other]\r\nKey=1\r\n' >"$ini"
  printf 'Y X\r\n1 2\r\n' >"$fmtdir/lipno.pts"
  run "" -- catalogue put "Měření" "Y X Z Name sep(,) cmt(*)" --ext "pts" --ini "$ini"
  run "" -- catalogue put Body "Name X Y Z decc cmt(#)" --ini "$ini"
  run "" -- catalogue put Mine "X Y Z cmt(*)" --ext "pts" --section Own --ini "$ini"
  before=$(cksum <"$ini")
  run "" -- format-dialog "$fmtdir/lipno.pts" --ini "$ini" --output json
  check "format-dialog: the entry that claims the file's suffix, its name in UTF-8" eval '[ $code = 0 ] &&
    [ "$out" = "{\"confirmed\":true,\"name\":\"Měření\",\"format\":\"Y X Z Name sep(,) cmt(*)\"}" ]'
  run "" -- format-dialog "$fmtdir/lipno.pts" --name Body --ini "$ini"
  check "format-dialog text: the suffix's entry goes before --name, two lines" eval '[ $code = 0 ] &&
    [ "$out" = "name: Měření
format: Y X Z Name sep(,) cmt(*)" ]'
  run "" -- format-dialog "$fmtdir/lipno.dat" --name body --ini "$ini" --output json
  check "format-dialog: a suffix nobody claims (a missing file) takes --name" eval '[ $code = 0 ] &&
    [ "$out" = "{\"confirmed\":true,\"name\":\"Body\",\"format\":\"Name X Y Z decc cmt(#)\"}" ]'
  run "" -- format-dialog --ini "$ini" --output json
  check "format-dialog without a file or a name: Standard" eval '[ $code = 0 ] &&
    [ "$out" = "{\"confirmed\":true,\"name\":\"Standard\",\"format\":\"Y X cmt(; \$ ! *)\"}" ]'
  run "" -- format-dialog "$fmtdir/lipno.pts" --section Own --ini "$ini" --output json
  check "format-dialog --section: the catalogue of that section" eval '[ $code = 0 ] &&
    [ "$out" = "{\"confirmed\":true,\"name\":\"Mine\",\"format\":\"X Y Z cmt(*)\"}" ]'
  run "" -- format-dialog semicolon.txt --name Body --ini "$ini" --output json
  check "format-dialog: the file's .fmt line goes before the catalogue, no name chosen" eval '[ $code = 0 ] &&
    [ "$out" = "{\"confirmed\":true,\"name\":\"\",\"format\":\"Y X Z Name sep(;) decc cmt(*)\"}" ]'
  run "" -- format-dialog "$fmtdir/lipno.pts" --format "y x z name decc" --given --ini "$ini" --output json
  check "format-dialog --given: the format itself in its normal form, no name" eval '[ $code = 0 ] &&
    [ "$out" = "{\"confirmed\":true,\"name\":\"\",\"format\":\"Y X Z Name decc cmt(; \$ ! *)\"}" ]'
  run "" -- format-dialog --format "name x y z decc cmt(#)" --given --name Body --ini "$ini" --output json
  check "format-dialog --given with --name: the name kept while the formats agree" eval '[ $code = 0 ] &&
    [ "$out" = "{\"confirmed\":true,\"name\":\"Body\",\"format\":\"Name X Y Z decc cmt(#)\"}" ]'
  run "" -- format-dialog --format "Name X Y cmt(#)" --given --name Body --ini "$ini" --output json
  check "format-dialog --given with --name: a different format drops the name" eval '[ $code = 0 ] &&
    [ "$out" = "{\"confirmed\":true,\"name\":\"\",\"format\":\"Name X Y cmt(#)\"}" ]'
  run "" -- format-dialog "$fmtdir/lipno.pts" --format "Y X Z Name sep(,) cmt(*)" --ini "$ini" --output json
  check "format-dialog --format without --given: the catalogue's choice stands" eval '[ $code = 0 ] &&
    has "$out" "\"name\":\"Měření\""'
  run "" -- format-dialog --format "Y X Z Name" --given --limit "X Y Name" --ini "$ini" --output json
  check "format-dialog --limit: a field the limit lacks is dropped" eval '[ $code = 0 ] &&
    [ "$out" = "{\"confirmed\":true,\"name\":\"\",\"format\":\"Y X Name cmt(; \$ ! *)\"}" ]'
  run "" -- format-dialog --format "PNr Y X cmt(*)" --given --variant --ini "$ini" --output json
  check "format-dialog --variant: a point number shown as a null item" eval '[ $code = 0 ] &&
    has "$out" "\"format\":\"Null Y X" && lacks "$out" "PNr"'
  run "" -- format-dialog --format "Y X sep(;) cmt(;)" --given --ini "$ini" --output json
  # The stand-in's message box writes its text on stderr in the ANSI code page.
  check "format-dialog: OK refused (a comment word is the separator), the dialog cancelled" eval '[ $code = 1 ] &&
    [ "$out" = "{\"confirmed\":false}" ] &&
    printf "%s" "$err" | iconv -f cp1250 -t utf-8 | grep -q "Oddělovač údajů nesmí být mezi znaky"'
  run "" -- format-dialog --format "Y X sep(;) cmt(;)" --given --ini "$ini"
  check "format-dialog text, cancelled: nothing on stdout" eval '[ $code = 1 ] && [ -z "$out" ]'
  check "format-dialog: the ini file unchanged by the runs" eval '[ "$(cksum <"$ini")" = "$before" ]'
  rm -rf "$fmtdir"
fi
for args in "format-dialog a.txt b.txt" "format-dialog --output xml" "format-dialog --given" \
            "format-dialog --format" "format-dialog --frob"; do
  # shellcheck disable=SC2086
  run "" -- $args
  check "usage error: '$args' exits 64, usage on stderr only" eval '[ $code = 64 ] && [ -z "$out" ] && has "$err" "usage"'
done

# --- usage ----------------------------------------------------------------
run "" -- --version
check "--version" eval '[ $code = 0 ] && [[ "$out" == "velortrdcd "[0-9]* ]]'
run "" -- --help
check "--help lists every command on stdout" eval '[ $code = 0 ] && has "$out" "velortrdcd read" &&
  has "$out" "velortrdcd decode" && has "$out" "velortrdcd format" && has "$out" "velortrdcd eval" &&
  has "$out" "velortrdcd axes" && has "$out" "velortrdcd paths" && has "$out" "velortrdcd language"'
run "" -- format-dialog --help
check "format-dialog --help: the command's options" eval '[ $code = 0 ] &&
  has "$out" "velortrdcd format-dialog [FILE]" && has "$out" "--variant" && has "$out" "1 cancelled"'
run "" -- eval --help
check "a command's --help" eval '[ $code = 0 ] && has "$out" "velortrdcd eval [--wide]" && lacks "$out" "velortrdcd read"'
for args in "" "frobnicate" "read" "read a.txt b.txt" "read survey.txt --output xml" "read survey.txt --first -1" \
            "read survey.txt --unknown maybe" "read survey.txt --format" "decode" "format" "eval" "eval --fast 1" \
            "axes 1 2" "axes x 1 2" "axes 1 2 3z" "paths x" "paths --output xml" "language GB"; do
  # shellcheck disable=SC2086
  run "" -- $args
  check "usage error: '$args' exits 64, usage on stderr only" eval '[ $code = 64 ] && [ -z "$out" ] && has "$err" "usage"'
done

# --- comment words never eat values -----------------------------------------
run "1;2;;4
;300;400;5
" -- decode --format "X Y Null Z sep(;)"
check "decode: a separator is no standard comment word: no value lost, an empty X is a bad number" eval '[ $code = 0 ] &&
  has "$out" "\"x\":1,\"y\":2,\"z\":4," && has "$out" "{\"command\":1,\"positional\":0,\"error\":4,"'
run "" -- format "Name TCode Y X cmt()"
check "format: an empty comment list is printed and so kept" eval '[ $code = 0 ] &&
  [ "$out" = "Name TCode Y X cmt()" ]'
run "CL1.5*1.5COLMN 10 20
" -- decode --format "$out"
check "decode with the printed empty list: a code holding * stays whole" eval '[ $code = 0 ] &&
  has "$out" "CL1.5*1.5COLMN"'

# --- whole texts, clear errors ----------------------------------------------
work=$(mktemp -d)
printf 'title\r\n.fmt Y X Q Z\r\n1 2 3 4\r\n' >"$work/badfmt.txt"
run "" -- read "$work/badfmt.txt"
check "read: a .fmt line that does not read is refused with its line, offset and a caret" eval '[ $code = 6 ] &&
  [ -z "$out" ] && has "$err" "(line 2)" && has "$err" "offset 5" && has "$err" "unknown field name \"Q\"" &&
  has "$err" "       ^"'
run "" -- read survey.txt --format "Y X N"
check "read --format: a format that does not read says what would be right" eval '[ $code = 6 ] &&
  [ -z "$out" ] && has "$err" "fields are X Y Z St Name" && has "$err" "  Y X N"'
run "" -- read bad-line.txt
check "read: the decoder's message in UTF-8, with no empty caption before it" eval '[ $code = 4 ] &&
  has "$err" "Bad number" && [[ "$err" != ": "* ]] && [[ "$err" == "velortrdcd: "* ]] && iconv -f UTF-8 -t UTF-8 <<<"$err" >/dev/null'
run "" -- read semicolon.txt --format "Y X Z Name sep(;) decc cmt(*)" --output geojson
check "read geojson: no sys= warns that no coordinate system is named" eval '[ $code = 0 ] &&
  has "$err" "names no coordinate system" && has "$err" "sys=" && lacks "$out" "\"crs\""'
run "" -- read survey.txt --format "Y X Z" --output geojson --crs 5514
check "read geojson --crs 5514 without sys=: a usage error with the advice" eval '[ $code = 64 ] &&
  [ -z "$out" ] && has "$err" "sys=N"'
run "" -- format "Y X Name sep(;) cmt(;)"
check "format: a comment word that is the field separator is warned about" eval '[ $code = 0 ] &&
  has "$err" "warning" && has "$err" "komentář"'
longfmt="Y X Z$(printf ' Null%.0s' $(seq 80))"
run "" -- catalogue put Long "$longfmt" --ini "$work/terx.ini"
run "" -- catalogue show Long --ini "$work/terx.ini" --output json
check "catalogue show: an entry over 255 characters comes whole" eval '[ $code = 0 ] &&
  has "$out" "$longfmt"'
printf '1 2 3\n' >"$work/pts.lng"
run "" -- catalogue put LongExt "$longfmt" --ext "lng" --ini "$work/terx.ini"
run "" -- read "$work/pts.lng" --by-suffix --ini "$work/terx.ini" --output json
check "read --by-suffix: the catalogue's long format read whole" eval '[ $code = 0 ] && has "$out" "\"z\":3"'
# A build without GDAL keeps the command and says what it can do instead.
if [ "${VELOR_TOOL_HAS_GDAL:-OFF}" != ON ]; then
  run "" -- convert survey.txt "$work/out.gpkg"
  check "convert without GDAL: exit 69, says so and names the GeoJSON output" eval '[ $code = 69 ] &&
    [ -z "$out" ] && has "$err" "no GDAL" && has "$err" "--output geojson" && [ ! -e "$work/out.gpkg" ]'
fi
rm -rf "$work"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
