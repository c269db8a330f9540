# The two commands: `make run` starts Kudomat Zub, `make test` runs every test.
# `make web` builds the web page into build/web, `make serve` serves it.
.PHONY: run test bench screenshot clean web serve

run:
	@scripts/run.sh

test:
	@scripts/test.sh

web:
	@scripts/deps.sh web && scripts/build.sh web

serve:
	@scripts/serve.sh

bench:
	@scripts/deps.sh && scripts/build.sh native && build/native/bench/kz_bench

clean:
	rm -rf build
