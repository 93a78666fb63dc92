#!/bin/sh
# Signs a release with a throwaway self-signed certificate and checks that
# the signature verifies against that certificate, that the signed program
# still passes the image checks and still runs under Wine.
set -eu
cd "$(dirname "$0")/../.."

work=$(mktemp -d)
. tests/wine/throwaway-prefix.sh

echo "signing test: making a throwaway certificate"
printf 'throwaway-password\n' > "$work/password"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -sha256 \
  -subj "/CN=setupcopyoeminf signing test" \
  -addext "keyUsage=critical,digitalSignature" \
  -addext "extendedKeyUsage=codeSigning" \
  -keyout "$work/key.pem" -out "$work/certificate.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/certificate.pem" \
  -passout "file:$work/password" -out "$work/signing.p12"

sh scripts/release.sh --pkcs12 "$work/signing.p12" \
  --password-file "$work/password" --dist "$work/dist"
program="$work/dist/setupcopyoeminf.exe"

echo "signing test: verifying the signature"
osslsigncode verify -CAfile "$work/certificate.pem" -in "$program" >"$work/verify.log" 2>&1 ||
  { cat "$work/verify.log"; exit 1; }
grep -q "Signature verification: ok" "$work/verify.log"
(cd "$work/dist" && sha256sum -c SHA256SUMS)
unzip -p "$work/dist"/setupcopyoeminf-*.zip setupcopyoeminf.exe | cmp - "$program"

echo "signing test: image checks on the signed program"
version=$(sed -n 's/^project(setupcopyoeminf VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
/usr/bin/python3 tests/image/check_image.py "$program" \
  tests/image/expected_imports.txt "$version" >"$work/image.log" 2>&1 ||
  { cat "$work/image.log"; exit 1; }

echo "signing test: the signed program under Wine"
sh tests/wine/prefix.sh create "$WINEPREFIX" 2>/dev/null
status=0
wine "$program" > "$work/usage.txt" || status=$?
test "$status" -eq 2
printf 'Usage:\r\n' > "$work/usage-start.txt"
head -c 8 "$work/usage.txt" | cmp - "$work/usage-start.txt"
cp examples/example.inf "$work/example.inf"
wine "$program" "$(winepath -w "$work/example.inf")" > "$work/report.txt"
printf 'SetupCopyOEMInf: 1\r\nGetLastError: 0\r\nDestinationInfFileName: C:\\windows\\inf\\example.inf\r\nDestinationInfFileNameComponent: example.inf\r\n\r\n' |
  cmp - "$work/report.txt"
echo "signing test: passed"
