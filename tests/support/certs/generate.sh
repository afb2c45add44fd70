#!/usr/bin/env bash
# Regenerates the test-only CA, the FTPS server certificate for localhost / 127.0.0.1 / ::1, the two SFTP host
# keys and the SFTP client key in this folder. None of these protect anything: they exist only so that the
# loopback test servers can speak TLS and SSH. Certificates are valid for 100 years.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

openssl ecparam -name prime256v1 -genkey -noout -out "$tmp/ca.key"
openssl req -x509 -new -key "$tmp/ca.key" -sha256 -days 36500 -subj "/CN=Ondrix Test CA" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" -out ca.pem

openssl ecparam -name prime256v1 -genkey -noout -out server.key
openssl req -new -key server.key -subj "/CN=localhost" -out "$tmp/server.csr"
cat > "$tmp/ext.cnf" <<'EXT'
basicConstraints=CA:FALSE
keyUsage=critical,digitalSignature,keyEncipherment
extendedKeyUsage=serverAuth
subjectAltName=DNS:localhost,IP:127.0.0.1,IP:::1
EXT
openssl x509 -req -in "$tmp/server.csr" -CA ca.pem -CAkey "$tmp/ca.key" -CAcreateserial \
  -CAserial "$tmp/ca.srl" -days 36500 -sha256 -extfile "$tmp/ext.cnf" -out server.pem

rm -f ssh_host_key_a ssh_host_key_b client_key client_key.pub ssh_host_key_a.pub ssh_host_key_b.pub
ssh-keygen -q -t ecdsa -b 256 -m PEM -N '' -C 'ondrix test host a' -f ssh_host_key_a
ssh-keygen -q -t ecdsa -b 256 -m PEM -N '' -C 'ondrix test host b' -f ssh_host_key_b
ssh-keygen -q -t ecdsa -b 256 -m PEM -N '' -C 'ondrix test client' -f client_key
rm -f ssh_host_key_a.pub ssh_host_key_b.pub
