# Sourced by setup.sh and build-vm.sh: the Debian archive this machine's apt already uses, read
# from its own sources, so that a machine behind a mirror or proxy of its own works as it is.
# Sets debian_mirror (the archive with bookworm) and debian_security (bookworm-security; empty
# when the machine has none), and debian_proxy (apt's HTTP proxy, empty when none).
debian_sources() {
  local f
  # One-line entries: deb [options] URI suite components...
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -e "s/#.*//" -e "s/\[[^]]*\]//" "$f" | awk '$1 == "deb" { print $3, $2 }'
  done
  # deb822 stanzas: Types, URIs, Suites, Enabled; blank lines between them.
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk '
      function flush() {
        if (types ~ /(^| )deb( |$)/ && enabled != "no") {
          n = split(suites, s, " "); split(uris, u, " ")
          for (i = 1; i <= n; i++) print s[i], u[1]
        }
        types = uris = suites = ""; enabled = "yes"
      }
      BEGIN { enabled = "yes" }
      /^[ \t]*#/ { next }
      /^[ \t]*$/ { flush(); next }
      { key = tolower($1); sub(/:$/, "", key); $1 = ""; sub(/^ +/, "")
        if (key == "types") types = $0; else if (key == "uris") uris = $0
        else if (key == "suites") suites = $0; else if (key == "enabled") enabled = tolower($0) }
      END { flush() }' "$f"
  done
}
debian_mirror=$(debian_sources | awk '$1 == "bookworm" { print $2; exit }')
debian_security=$(debian_sources | awk '$1 == "bookworm-security" { print $2; exit }')
debian_proxy=$(apt-config dump 2>/dev/null | sed -n 's/^Acquire::http::Proxy "\(.*\)";$/\1/p' | head -n1)
