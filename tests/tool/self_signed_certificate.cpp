#include "self_signed_certificate.h"

#include <stdexcept>

self_signed_certificate::self_signed_certificate()
    : key_(EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256")), certificate_(X509_new()) {
  if (key_ == nullptr || certificate_ == nullptr) throw std::runtime_error("cannot make a test certificate");
  constexpr long kOneHour = 3600;
  X509_set_version(certificate_, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(certificate_), 1);
  X509_gmtime_adj(X509_getm_notBefore(certificate_), 0);
  X509_gmtime_adj(X509_getm_notAfter(certificate_), kOneHour);
  X509_set_pubkey(certificate_, key_);
  X509_NAME* name = X509_get_subject_name(certificate_);
  const unsigned char host[] = "127.0.0.1";
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, host, -1, -1, 0);
  X509_set_issuer_name(certificate_, name);
  if (X509_sign(certificate_, key_, EVP_sha256()) == 0) throw std::runtime_error("cannot sign the test certificate");
}

self_signed_certificate::~self_signed_certificate() {
  X509_free(certificate_);
  EVP_PKEY_free(key_);
}
