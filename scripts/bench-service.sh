#!/usr/bin/env bash
# The quote service's benchmark, on loopback: wrk with 2 threads and 64 connections for 10 s
# (DURATION) posts examples/english-european.telmaris to /v1/quote, and in the same run to the
# floor, the same HTTP server answering a constant small JSON. Then both again through haproxy
# in front of two instances. Prints requests per second, the latency at p50 and p99, and the
# quote's share of the floor's throughput. For one instance it also prints the server's processor
# time per request (user and system, from /proc): on a shared machine it varies less than the
# throughput does.
#   scripts/bench-service.sh
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --with-service-tools >/dev/null
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target telmaris telmaris_bench_http_floor >/dev/null

duration=${DURATION:-10}
work=$(mktemp -d)
pids=()
cleanup() {
  kill -TERM "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/post.lua" <<'LUA'
wrk.method = "POST"
wrk.headers["Content-Type"] = "application/json"
local f = assert(io.open(os.getenv("TELMARIS_BENCH_BODY"), "rb"))
wrk.body = f:read("*a")
f:close()
LUA
export TELMARIS_BENCH_BODY=$PWD/examples/english-european.telmaris

wait_for() {
  for _ in $(seq 200); do
    curl -sf "http://127.0.0.1:$1/v1/health" >/dev/null && return 0
    sleep 0.05
  done
  echo "bench-service: nothing answers on port $1" >&2
  exit 1
}

# The processor time a process has used, in clock ticks.
ticks() {
  awk '{print $14 + $15}' "/proc/$1/stat"
}

# Runs wrk against a URL and prints one line; leaves the requests per second in $rps. With a
# third argument, the server's process, it adds the server's processor time per request.
measure() {
  local name=$1 url=$2 server=${3:-} out before=0 cpu=""
  out=$(mktemp -p "$work")
  [[ -n $server ]] && before=$(ticks "$server")
  wrk -t2 -c64 -d"${duration}s" --latency -s "$work/post.lua" "$url" >"$out"
  if [[ -n $server ]]; then
    cpu=$(awk -v t=$(($(ticks "$server") - before)) -v hz="$(getconf CLK_TCK)" \
      '/requests in/ {printf "   server %5.1f µs/request", t * 1e6 / hz / $1}' "$out")
  fi
  if grep -q "Non-2xx" "$out"; then
    echo "bench-service: $name had answers other than 200:" >&2
    cat "$out" >&2
    exit 1
  fi
  rps=$(awk '/^Requests\/sec/ {print $2}' "$out")
  local p50 p99
  p50=$(awk '$1 == "50%" {print $2}' "$out")
  p99=$(awk '$1 == "99%" {print $2}' "$out")
  printf '%-34s %12s req/s   p50 %9s   p99 %9s%s\n' "$name" "$rps" "$p50" "$p99" "$cpu"
}

echo "wrk -t2 -c64 -d${duration}s on $(nproc) processors, POST examples/english-european.telmaris"
build/telmaris/telmaris --serve --listen 127.0.0.1:18081 2>"$work/service.log" &
service=$!
pids+=("$service")
build/telmaris_bench_http_floor --listen 127.0.0.1:18082 2>"$work/floor.log" &
floor_server=$!
pids+=("$floor_server")
wait_for 18081
wait_for 18082
measure "floor (constant JSON)" http://127.0.0.1:18082/v1/quote "$floor_server"
floor=$rps
measure "/v1/quote, one instance" http://127.0.0.1:18081/v1/quote "$service"
quote=$rps
awk -v q="$quote" -v f="$floor" 'BEGIN {printf "quote / floor: %.2f\n\n", q / f}'
kill -TERM "${pids[@]}"
wait 2>/dev/null || true
pids=()

scripts/serve-two.sh build/telmaris 18090 2>"$work/two.log" &
pids+=($!)
SERVER=build/telmaris_bench_http_floor scripts/serve-two.sh build/telmaris 18095 \
  2>"$work/two-floor.log" &
pids+=($!)
wait_for 18090
wait_for 18095
measure "floor, two behind haproxy" http://127.0.0.1:18095/v1/quote
floor=$rps
measure "/v1/quote, two behind haproxy" http://127.0.0.1:18090/v1/quote
quote=$rps
awk -v q="$quote" -v f="$floor" 'BEGIN {printf "quote / floor: %.2f\n", q / f}'
