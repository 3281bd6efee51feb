// The routes of the quote service, under /v1: the variants, the models, the steps of a
// configuration, its lists and its printed document, and the service's health. Each request is
// answered from the parts data as it stands when the request arrives.
#pragma once

#include <QString>

#include "data/price_data.h"
#include "data/program_directory.h"
#include "http/http_server.h"
#include "routes/access_tokens.h"

class PdfDocuments;

class QuoteService {
 public:
  // `documents` may be null: the service then prints no documents.
  QuoteService(PriceData& prices, AccessTokens tokens, PdfDocuments* documents);

  // The HttpHandler of the server.
  void handle(const HttpRequest& request, const std::function<void(HttpResponse)>& respond);
  // The same for a request answered at once (all but a printed document).
  HttpResponse answer(const HttpRequest& request);

 private:
  PriceData& prices_;
  AccessTokens tokens_;
  PdfDocuments* documents_;
};
