#!/usr/bin/env bash
# Checks of the user manual.
#   manual_test.sh pdf|pictures|cli SOURCE_DIR BUILD_DIR PROGRAM_DIR
# pdf:      both PDFs exist, open with the contents, and every chapter is listed there with the
#           page it really starts on.
# pictures: every picture a chapter names is committed or drawn by the build.
# cli:      the command-line chapter of each language describes every command of
#           zodikeon-cli and every option its help texts name.
set -uo pipefail
mode=$1 src=$2 build=$3 program=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The manual's languages: folder, PDF, heading of the contents.
languages=("en ZODIKEON.PDF Contents" "hu ZODIKEON_HU.PDF Tartalom")

case "$mode" in
pdf)
  for entry in "${languages[@]}"; do
    read -r lang pdf contents <<<"$entry"
    file=$program/doc/$pdf
    [ -s "$file" ] || { fail "$file was not built"; continue; }
    pages=$(pdfinfo "$file" | awk '/^Pages:/ {print $2}')
    [ "${pages:-0}" -ge 20 ] || fail "$pdf has only ${pages:-0} pages"
    # The contents run from page 2 up to the page before the first chapter, however long they grow.
    toc=$(pdftotext -layout -f 2 -l 2 "$file" -)
    grep -q "^ *$contents" <<<"$toc" || fail "$pdf: no '$contents' on page 2"
    firstChapter=$(awk '/^ *[^ ].* [0-9]+ *$/ && !/^ *'"$contents"' / {print $NF; exit}' <<<"$toc")
    [ "${firstChapter:-0}" -gt 2 ] || firstChapter=3
    toc=$(pdftotext -layout -f 2 -l $((firstChapter - 1)) "$file" -)
    for chapter in "$src/$lang"/[0-9][0-9]-*.md; do
      title=$(sed -n 's/^# //p' "$chapter" | head -n 1)
      [ -n "$title" ] || { fail "$chapter has no chapter heading"; continue; }
      # The chapter's contents line: the title at the left edge (sections are indented), the
      # page number at the right.
      line=$(awk -v t="$title" 'index($0, t) == 1 && $NF ~ /^[0-9]+$/ {print; exit}' <<<"$toc")
      page=$(grep -oE '[0-9]+ *$' <<<"$line" | tr -d ' ')
      if [ -z "$page" ]; then
        fail "$pdf: '$title' is not in the contents"
        continue
      fi
      body=$(pdftotext -f "$page" -l "$page" "$file" -)
      # The chapter opens its page (the footer names the chapter on every page of it).
      first=$(grep -m 1 -v '^[[:space:]]*$' <<<"$body")
      [ "$first" = "$title" ] || fail "$pdf: '$title' does not open page $page as the contents say (found '$first')"
      # The footer carries the page's own number.
      grep -qx "$page" <<<"$body" || fail "$pdf: page $page has no page number"
    done
    # Nothing of the chapters is lost on the way: every section heading is in the body text
    # (not only in the contents), and every picture is in the file.
    text=$(pdftotext -f 4 "$file" - | tr -s ' \n' ' ')
    while read -r section; do
      grep -qF -- "$section" <<<"$text" || fail "$pdf: the section '$section' is missing from the text"
    done < <(sed -n 's/^## //p' "$src/$lang"/[0-9][0-9]-*.md)
    wanted=$(grep -ohE '!\[[^]]*\]\([^)]+\)' "$src/$lang"/[0-9][0-9]-*.md | sort -u | wc -l)
    found=$(pdfimages -list "$file" | tail -n +3 | wc -l)
    [ "$found" -ge "$wanted" ] || fail "$pdf: $found pictures for $wanted in the chapters"
  done
  ;;
pictures)
  for entry in "${languages[@]}"; do
    read -r lang _ _ <<<"$entry"
    for chapter in "$src/$lang"/[0-9][0-9]-*.md; do
      while read -r name; do
        [ -f "$build/$lang/images/$name" ] || [ -f "$src/images/$lang/$name" ] ||
          fail "$(basename "$chapter") ($lang): picture '$name' is neither committed nor drawn by the build"
      done < <(grep -oE '!\[[^]]*\]\([^)]+\)' "$chapter" | sed -E 's/.*\(([^)]+)\)/\1/')
    done
  done
  ;;
cli)
  cli=$program/zodikeon-cli
  commands=$("$cli" --help | awk '/^Commands:/ {on=1; next} /^$/ {on=0} on {print $1}')
  [ -n "$commands" ] || fail "zodikeon-cli --help lists no commands"
  for entry in "${languages[@]}"; do
    read -r lang _ _ <<<"$entry"
    chapter=$(grep -l '^# ' "$src/$lang"/14-*.md | head -n 1)
    [ -f "$chapter" ] || { fail "no command-line chapter in $lang"; continue; }
    for option in $("$cli" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
      grep -qF -- "$option" "$chapter" || fail "$lang: the option $option of zodikeon-cli --help is not in the manual"
    done
    for command in $commands; do
      grep -qE -- "zodikeon-cli( --lang (en|hu))? $command\b" "$chapter" ||
        fail "$lang: the command '$command' is not described in the manual"
      for option in $("$cli" "$command" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
        grep -qF -- "$option" "$chapter" || fail "$lang: the option $option of '$command --help' is not in the manual"
      done
    done
  done
  ;;
*)
  echo "usage: manual_test.sh pdf|pictures|cli SOURCE_DIR BUILD_DIR PROGRAM_DIR" >&2
  exit 2
  ;;
esac
[ "$failures" -eq 0 ] && echo "ok" || exit 1
