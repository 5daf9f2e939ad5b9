# A throw-away Samba server on 127.0.0.1:445 for tests and benchmarks. Source this file, then
#   smbd_start DIR     configure and start smbd with everything under DIR, wait until it answers
#   smbd_stop          stop it and wait until the port is free again
# The shares (guest access): docs -> DIR/shares/docs, root -> DIR/shares/rootshare,
# printer (printable), and whatever share sections $smbd_extra_shares holds. The server's
# NetBIOS name is PATHNABTEST.

smbd_pid=
smbd_config=
smbd_netbios_name=PATHNABTEST

smb_port_answers() {
  (exec 3<>/dev/tcp/127.0.0.1/445) 2>/dev/null
}

smbd_write_config() {
  local dir=$1
  mkdir -p "$dir"/{state,cache,lock,pid,private,log,spool} "$dir"/shares/{docs/sub,rootshare}
  chmod 755 "$dir" && chmod 1777 "$dir/spool"  # the guest account reads the shares
  cat >"$dir/smb.conf" <<CONF
[global]
  netbios name = $smbd_netbios_name
  workgroup = PATHNAB
  server role = standalone server
  interfaces = lo 127.0.0.1
  bind interfaces only = yes
  smb ports = 445
  disable netbios = yes
  map to guest = Bad User
  guest account = nobody
  restrict anonymous = 0
  state directory = $dir/state
  cache directory = $dir/cache
  lock directory = $dir/lock
  pid directory = $dir/pid
  private dir = $dir/private
  ncalrpc dir = $dir/state/ncalrpc
  log file = $dir/log/smbd.log
  load printers = no
  printing = bsd
  printcap name = /dev/null
  disable spoolss = yes

[docs]
  path = $dir/shares/docs
  guest ok = yes
  read only = yes
  comment = Documents

[root]
  path = $dir/shares/rootshare
  guest ok = yes
  read only = yes

[printer]
  path = $dir/spool
  printable = yes
  guest ok = yes
${smbd_extra_shares:-}
CONF
}

smbd_start() {
  local dir=$1
  if smb_port_answers; then
    echo "loopback_smbd: something already listens on 127.0.0.1:445" >&2
    return 1
  fi
  smbd_write_config "$dir"
  smbd_config="$dir/smb.conf"
  # A session of its own: smbd signals its whole process group when it stops.
  setsid smbd --foreground --no-process-group --configfile="$dir/smb.conf" </dev/null >"$dir/log/stdout" 2>&1 &
  smbd_pid=$!
  local i
  for i in $(seq 1 100); do
    smb_port_answers && return 0
    kill -0 "$smbd_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "loopback_smbd: smbd did not start; its log:" >&2
  cat "$dir/log/stdout" "$dir/log/smbd.log" >&2 2>/dev/null
  return 1
}

# smbd starts samba-dcerpcd on demand in a session of its own, so the helpers are found by the
# configuration file that only this server's processes name.
smbd_stop() {
  [ -n "$smbd_pid" ] || return 0
  kill "$smbd_pid" 2>/dev/null || true
  wait "$smbd_pid" 2>/dev/null || true
  [ -n "${smbd_config:-}" ] && pkill -f -- "--configfile=$smbd_config" 2>/dev/null || true
  smbd_pid=
  local i
  for i in $(seq 1 50); do
    smb_port_answers || return 0
    sleep 0.1
  done
}
