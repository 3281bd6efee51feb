#!/usr/bin/env bash
# Two quote services behind haproxy, all on loopback: the way the service grows past what one
# process serves. haproxy spreads the requests round robin and asks each service's /v1/health
# every two seconds; a service that stops answering gets no requests until it answers again.
#   scripts/serve-two.sh [PROGRAM-DIRECTORY] [PORT]
# haproxy listens on PORT (8080), the services on PORT+1 and PORT+2, each with THREADS threads
# (1). Runs until Ctrl+C or SIGTERM, which stops all three. With SERVER set to another program
# (the benchmark's floor) that program is served instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --with-service-tools >/dev/null
directory=$(realpath "${1:-build/telmaris}")
port=${2:-8080}
threads=${THREADS:-1}
server=${SERVER:-build/telmaris/telmaris}
if [ ! -x "$server" ]; then
  echo "serve-two: $server is not built; run: cmake --build build" >&2
  exit 1
fi

work=$(mktemp -d)
pids=()
stop() {
  trap - EXIT INT TERM
  kill -TERM "${pids[@]}" 2>/dev/null || true
  wait || true
  rm -rf "$work"
}
trap stop EXIT INT TERM

for n in 1 2; do
  "$server" --dir "$directory" --serve --listen "127.0.0.1:$((port + n))" --threads "$threads" \
    2>"$work/service-$n.log" &
  pids+=($!)
done

cat >"$work/haproxy.cfg" <<CFG
global
  maxconn 4096

defaults
  mode http
  timeout connect 5s
  timeout client 30s
  timeout server 60s
  option http-keep-alive

frontend telmaris
  bind 127.0.0.1:$port
  default_backend quote_services

backend quote_services
  balance roundrobin
  option httpchk GET /v1/health
  http-check expect status 200
  server one 127.0.0.1:$((port + 1)) check inter 2s
  server two 127.0.0.1:$((port + 2)) check inter 2s
CFG
haproxy -f "$work/haproxy.cfg" -db &
pids+=($!)

for _ in $(seq 100); do
  curl -sf "http://127.0.0.1:$port/v1/health" >/dev/null && break
  sleep 0.1
done
echo "serve-two: haproxy on http://127.0.0.1:$port/v1/ in front of ports $((port + 1)) and $((port + 2)); Ctrl+C stops them" >&2
wait
