#include "checker/jugesite.h"

#include <algorithm>

namespace {

// A program path with '/' between folders, as a URL's path names files.
std::string avecBarres(std::string_view chemin) {
  std::string sortie(chemin);
  for (char& c : sortie) {
    if (c == '\\') c = '/';
  }
  return sortie;
}

}  // namespace

JugeSite::JugeSite(const AdresseSite& site) : site_(site) {}

void JugeSite::AjouteFichier(std::string_view chemin) {
  fichiers_.push_back(empreinte(avecBarres(chemin)));
  fichiersTries_ = false;
}

bool JugeSite::Existe(const std::string& chemin) const {
  return std::binary_search(fichiers_.begin(), fichiers_.end(), empreinte(chemin));
}

bool JugeSite::Fichier(const AdresseSite::Place& place, std::string& chemin) const {
  if (!place.dansSite) return false;
  // A folder's page is its index.html, then its index.htm; a path that is
  // no file may name a folder without its last '/'.
  std::string dossier = place.chemin;
  if (!place.repertoire) {
    if (Existe(place.chemin)) {
      chemin = place.chemin;
      return true;
    }
    dossier += '/';
  }
  for (const char* index : {"index.html", "index.htm"}) {
    if (Existe(dossier + index)) {
      chemin = dossier + index;
      return true;
    }
  }
  return false;
}

void JugeSite::Compare(std::unordered_map<Empreinte, Place, HacheEmpreinte>& premiers,
                       const ElementSite& element, Constat constat, uint32_t page) {
  if (element.texte.empty()) return;
  const auto [premier, nouveau] =
      premiers.try_emplace(empreinte(element.texte), Place{page, element.ligne, element.colonne});
  if (nouveau) return;
  const Place& autre = premier->second;
  trouves_.push_back(Trouve{page, constat, element.ligne, element.colonne,
                            static_cast<int64_t>(autre.page), autre.ligne, autre.colonne, {}});
}

void JugeSite::AjoutePage(const FicheSite& fiche) {
  if (!fichiersTries_) {
    std::sort(fichiers_.begin(), fichiers_.end());
    fichiers_.erase(std::unique(fichiers_.begin(), fichiers_.end()), fichiers_.end());
    fichiersTries_ = true;
  }
  const auto page = static_cast<uint32_t>(debuts_.size());
  debuts_.push_back(static_cast<uint32_t>(chemins_.size()));
  chemins_ += fiche.chemin;
  chemins_ += '\0';
  const std::string soi = avecBarres(fiche.chemin);
  const bool avecSite = site_.Valide();
  if (avecSite) pages_.emplace_back(empreinte(soi), page);

  bool indexable = !fiche.redirection && !fiche.noindex;
  Trouve versRacine{page, kCanoniqueVersRacine, 0, 0, -1, 0, 0, {}};
  bool aVersRacine = false;
  Trouve cibleAbsente{page, kCanoniqueCibleAbsente, 0, 0, -1, 0, 0, {}};
  bool aCibleAbsente = false;
  if (avecSite && fiche.aCanonique) {
    const AdresseSite::Place place = site_.Situe(fiche.canonique.texte);
    std::string cible;
    const bool existe = Fichier(place, cible);
    // A canonical URL that names another file of the tree hands the page's
    // place in search results to it.
    if (existe && cible != soi) indexable = false;
    if (place.dansSite && place.racine) {
      AdresseSite::Place racine;
      racine.dansSite = racine.racine = racine.repertoire = true;
      std::string index;
      const bool estIndex = Fichier(racine, index) ? index == soi
                                                   : soi == "index.html" || soi == "index.htm";
      if (!estIndex) {
        aVersRacine = true;
        versRacine.ligne = fiche.canonique.ligne;
        versRacine.colonne = fiche.canonique.colonne;
      }
    }
    if (place.dansSite && !existe) {
      aCibleAbsente = true;
      cibleAbsente.ligne = fiche.canonique.ligne;
      cibleAbsente.colonne = fiche.canonique.colonne;
      cibleAbsente.valeur = fiche.canonique.texte;
    }
  }
  // In the table's order.
  if (indexable && fiche.aTitre) Compare(titres_, fiche.titre, kTitreDuplique, page);
  if (indexable && fiche.aDescription) {
    Compare(descriptions_, fiche.description, kDescriptionDupliquee, page);
  }
  if (aVersRacine) trouves_.push_back(std::move(versRacine));
  if (aCibleAbsente) trouves_.push_back(std::move(cibleAbsente));
  if (!avecSite || fiche.hreflangs.empty()) return;
  Hreflangs liens{page, empreinte(soi), {}};
  bool soiNomme = false;
  for (const LienHreflang& lien : fiche.hreflangs) {
    std::string cible;
    if (!Fichier(site_.Situe(lien.adresse.texte), cible)) continue;
    if (cible == soi) {
      soiNomme = true;
      continue;
    }
    liens.cibles.push_back(Cible{empreinte(cible), lien.adresse.ligne, lien.adresse.colonne});
  }
  if (!soiNomme) trouves_.push_back(Trouve{page, kHreflangSansSoi, 0, 0, -1, 0, 0, {}});
  hreflangs_.push_back(std::move(liens));
}

void JugeSite::AjouteRetours(uint32_t page, std::vector<Trouve>& retours) const {
  const auto liens = std::lower_bound(
      hreflangs_.begin(), hreflangs_.end(), page,
      [](const Hreflangs& h, uint32_t p) { return h.page < p; });
  if (liens == hreflangs_.end() || liens->page != page) return;
  std::vector<Empreinte> vues;
  for (const Cible& cible : liens->cibles) {
    // One finding per page named, at the first link that names it.
    if (std::find(vues.begin(), vues.end(), cible.page) != vues.end()) continue;
    vues.push_back(cible.page);
    const auto autre = std::lower_bound(
        pages_.begin(), pages_.end(), cible.page,
        [](const std::pair<Empreinte, uint32_t>& p, const Empreinte& e) { return p.first < e; });
    // A file of the tree that was not examined.
    if (autre == pages_.end() || !(autre->first == cible.page)) continue;
    const auto siens = std::lower_bound(
        hreflangs_.begin(), hreflangs_.end(), autre->second,
        [](const Hreflangs& h, uint32_t p) { return h.page < p; });
    const bool retour =
        siens != hreflangs_.end() && siens->page == autre->second &&
        std::any_of(siens->cibles.begin(), siens->cibles.end(),
                    [&](const Cible& c) { return c.page == liens->chemin; });
    if (!retour) {
      retours.push_back(Trouve{page, kHreflangSansRetour, cible.ligne, cible.colonne,
                               static_cast<int64_t>(autre->second), 0, 0, {}});
    }
  }
}

void JugeSite::Rapporte(RapportPage& sortie) {
  std::sort(pages_.begin(), pages_.end());
  std::size_t k = 0;
  std::vector<Trouve> retours;
  for (uint32_t page = 0; page < debuts_.size(); ++page) {
    retours.clear();
    AjouteRetours(page, retours);
    const std::size_t debut = k;
    while (k < trouves_.size() && trouves_[k].page == page) ++k;
    if (debut == k && retours.empty()) continue;
    sortie.Debut(Chemin(page), JeuCaracteres::Utf8);
    const auto envoie = [&](const Trouve& t) {
      Signalement s{t.constat};
      s.ligne = t.ligne;
      s.colonne = t.colonne;
      if (t.autre >= 0) {
        s.page = Chemin(static_cast<uint32_t>(t.autre));
        s.lignePage = t.lignePage;
        s.colonnePage = t.colonnePage;
      }
      if (!t.valeur.empty()) s.valeur = t.valeur.c_str();
      sortie.Constate(s);
    };
    for (std::size_t i = debut; i < k; ++i) envoie(trouves_[i]);
    for (const Trouve& t : retours) envoie(t);
    sortie.Fin();
  }
}
