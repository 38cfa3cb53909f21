// A certificate that no authority signed, for a TLS server whose certificate the tool must
// refuse. Made in memory for the run; nothing is written to disk.
#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

class self_signed_certificate {
 public:
  // For the name 127.0.0.1, valid for an hour from now.
  self_signed_certificate();
  ~self_signed_certificate();
  self_signed_certificate(const self_signed_certificate&) = delete;
  self_signed_certificate& operator=(const self_signed_certificate&) = delete;

  X509* certificate() const noexcept { return certificate_; }
  EVP_PKEY* key() const noexcept { return key_; }

 private:
  EVP_PKEY* key_ = nullptr;
  X509* certificate_ = nullptr;
};
