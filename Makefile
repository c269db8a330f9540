# The two commands: `make run` starts Kudomat Zub, `make test` runs every test.
.PHONY: run test bench screenshot clean

run:
	@scripts/run.sh

test:
	@scripts/test.sh

bench:
	@scripts/deps.sh && scripts/build.sh native && build/native/bench/kz_bench
	@bench/program/run.sh

clean:
	rm -rf build
