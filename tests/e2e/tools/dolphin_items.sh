# Sourced after file_manager_parts.sh: the items Dolphin can hand on, in $dolphin_items.
# Dolphin reads file names as UTF-8 and hands on U+FFFD for bytes that are not, so it cannot
# name such a file to any program; those names are left out, and a newline gets a name of its own.
dolphin_items=("$work/items/5/"$'two\nlines.txt')
mkdir -p "$(dirname "${dolphin_items[0]}")"
echo content > "${dolphin_items[0]}"
for item in "${awkward_items[@]}"; do
  iconv -f UTF-8 -t UTF-8 <<< "$item" >/dev/null 2>&1 && dolphin_items+=("$item")
done
