#!/bin/sh
# Starts the installed Telmaris on a program directory of the user's own.
#
# The installed program directory (../lib/telmaris beside this script) belongs to the system,
# but the program writes its prices into the database of its program directory. So every user
# gets a copy of the installed data in ${XDG_DATA_HOME:-~/.local/share}/telmaris, made on the
# first start and reused afterwards:
#   - the database Telmaris.mdb is the user's: a newer installed one never replaces it; the
#     launcher notes on standard error how to take the new price list;
#   - the register of issued quotes, Quotes.mdb, is the program's own file there and is never
#     copied, replaced or removed: a new price list never takes a quote with it;
#   - pictures, help pages, translations and the reference document are refreshed from the
#     installation whenever they changed there; nothing else is copied (the executables stay
#     installed);
#   - the folder is the user's alone (0700) and so is the database (0600), whatever the umask:
#     a dealer's prices are not for every account of the machine. A folder made by an older
#     launcher is tightened at the next start.
#
# A command line of the user's own wins: a program directory, or --dir, is passed on unchanged;
# a command (--list, --pdf, --import-prices, ...) without --dir runs on the user's directory.
# So does --open FILE, which the desktop entry runs for a configuration opened from the file
# manager ("--open %f"); started from the menu it comes as a bare --open, the window alone.
set -eu

here=$(CDPATH='' cd -- "$(dirname -- "$0")" && pwd -P)
# Followed when the launcher is reached through a symbolic link (e.g. /usr/local/bin/telmaris).
if [ -L "$0" ]; then
  target=$(readlink -f -- "$0" 2>/dev/null || true)
  if [ -n "$target" ]; then here=$(dirname -- "$target"); fi
fi
installed=$(CDPATH='' cd -- "$here/../lib/telmaris" 2>/dev/null && pwd -P) || {
  echo "telmaris: the installed program directory $here/../lib/telmaris is missing" >&2
  exit 3
}
program="$installed/telmaris"
data_home=${XDG_DATA_HOME:-}
case "$data_home" in /*) ;; *) data_home= ;; esac  # a relative one is to be ignored
if [ -z "$data_home" ]; then data_home="${HOME:?telmaris: HOME is not set}/.local/share"; fi
user_dir="$data_home/telmaris"
# The checksum of the installed database the user's copy was made from.
stamp="$user_dir/.installed-database"

installed_database_sum() {
  cksum < "$installed/Telmaris.mdb"
}

# Copies one installed file or folder into the user's directory when it is missing there or
# differs from the installed one.
refresh() {
  source_path="$installed/$1"
  copy="$user_dir/$1"
  if [ -d "$source_path" ]; then
    mkdir -p "$copy"
    for entry in "$source_path"/* "$source_path"/.[!.]*; do
      [ -e "$entry" ] || continue
      refresh "$1/${entry##*/}"
    done
  elif ! cmp -s "$source_path" "$copy" 2>/dev/null; then
    cp "$source_path" "$copy.new" && chmod u+w "$copy.new" && mv -f "$copy.new" "$copy"
  fi
}

# Whether the program reads the installed entry from its program directory: the help pages, the
# translations, the pictures and the reference document.
is_program_data() {
  case "$1" in
    help | translations | *.png | *.bmp | *.BMP | *.pcx | *.PCX | *.doc) return 0 ;;
  esac
  return 1
}

# Makes the user's program directory, or brings its pictures and help up to date.
prepare_user_directory() {
  mkdir -p "$user_dir"
  chmod 700 "$user_dir"
  # An executable an older launcher copied here is never run from here.
  rm -f "$user_dir/telmaris-desktop"
  if [ ! -f "$user_dir/Telmaris.mdb" ]; then
    (umask 077 && cp "$installed/Telmaris.mdb" "$user_dir/Telmaris.mdb.new")
    chmod 600 "$user_dir/Telmaris.mdb.new"
    mv -f "$user_dir/Telmaris.mdb.new" "$user_dir/Telmaris.mdb"
    installed_database_sum > "$stamp"
  elif [ ! -f "$stamp" ]; then
    # A copy from before the launcher kept its record: it is taken as made from this one.
    installed_database_sum > "$stamp"
  elif [ "$(installed_database_sum)" != "$(cat "$stamp")" ]; then
    note_newer_database
  fi
  chmod 600 "$user_dir/Telmaris.mdb"
  for entry in "$installed"/* "$installed"/.[!.]*; do
    [ -e "$entry" ] || continue
    name=${entry##*/}
    if is_program_data "$name"; then refresh "$name"; fi
  done
}

note_newer_database() {
  shown_dir=$user_dir
  home=${HOME:-}
  if [ -n "$home" ]; then
    # shellcheck disable=SC2088  # the tilde is shown, not expanded
    case "$user_dir" in "$home"/*) shown_dir="~/${user_dir#"$home"/}" ;; esac
  fi
  cat >&2 <<EOF
telmaris: a newer price list came with the installed program; your prices in
telmaris: $shown_dir/Telmaris.mdb are kept. To take the new price list, remove that
telmaris: file (your own price changes are lost) and start telmaris again. Importing the
telmaris: maker's price file with "telmaris --import-prices FILE" renews your prices too and
telmaris: ends this note.
EOF
}

# With a command line of the user's own: a program directory or --dir goes through unchanged,
# and so does --help; other commands, --open among them, get the user's directory.
if [ $# -gt 0 ]; then
  case "$1" in
    --*) ;;
    *) exec "$program" "$@" ;;
  esac
  for argument in "$@"; do
    case "$argument" in
      --dir | --help) exec "$program" "$@" ;;
    esac
  done
  prepare_user_directory
  import=no
  for argument in "$@"; do
    case "$argument" in
      --import-prices) if [ "$import" = no ]; then import=yes; fi ;;
      --dry-run) import=dry ;;  # changes nothing, so the note stays
    esac
  done
  if [ "$import" != yes ]; then exec "$program" --dir "$user_dir" "$@"; fi
  # A price list the user imported is the user's choice: the installed one is taken as seen.
  status=0
  "$program" --dir "$user_dir" "$@" || status=$?
  if [ "$status" -eq 0 ]; then installed_database_sum > "$stamp"; fi
  exit "$status"
fi

prepare_user_directory
exec "$program" "$user_dir"
