# The two commands: `make run` starts Kudomat Zub, `make test` runs every test.
# `make web` builds the web page into build/web, `make serve` serves it.
# `make fuzz` runs each fuzzer long (KZ_FUZZ_SECONDS, 600 by default) and
# prints its coverage.
.PHONY: run test fuzz bench screenshot clean install uninstall dist web serve

# Where `make install` puts kzub and its man page; DESTDIR is put in front.
PREFIX ?= /usr/local
KZUB_BIN = $(DESTDIR)$(PREFIX)/bin/kzub
KZUB_MAN = $(DESTDIR)$(PREFIX)/share/man/man1/kzub.1

run:
	@scripts/run.sh

test:
	@scripts/test.sh

fuzz:
	@scripts/fuzz.sh $(KZ_FUZZ_SECONDS)

web:
	@scripts/deps.sh web && scripts/build.sh web

serve:
	@scripts/serve.sh

bench:
	@scripts/deps.sh && scripts/build.sh native && build/native/bench/kz_bench
	@bench/kzub/run.sh
	@bench/program/run.sh
	@bench/web/run.sh

install:
	@scripts/deps.sh && scripts/build.sh native
	install -D -m 755 build/native/tools/kzub/kzub $(KZUB_BIN)
	install -D -m 644 tools/kzub/kzub.1 $(KZUB_MAN)

uninstall:
	rm -f $(KZUB_BIN) $(KZUB_MAN)

# dist/KudomatZub-<version>.zip, the installer dist/KudomatZub-<version>.msi,
# dist/SHA256SUMS and the winget and Scoop manifests (KZ_RELEASE_URL: where
# they are published); the same files from the same commit wherever they are
# made (scripts/reproduce-dist.sh checks that).
dist:
	@scripts/deps.sh && scripts/dist.sh

clean:
	rm -rf build dist
